# The scripts the particle script tests run, with their expected output beside them.
target_compile_definitions(test_${name} PRIVATE PARTICLE_SCRIPTS_DIR="${dir}/scripts")
