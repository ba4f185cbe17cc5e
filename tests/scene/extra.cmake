# The library scripts and their expected output.
target_compile_definitions(test_${name} PRIVATE SCENE_SCRIPTS_DIR="${dir}/scripts")
