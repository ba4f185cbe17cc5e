#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "image/image_loader.h"
#include "picture_bytes.h"

using namespace picture_bytes;

namespace {

struct Loaded {
  bool ok = false;
  ImageRecord image;
  std::string out;
};

class ImageLoaderTest : public testing::Test {
 protected:
  std::string PathOf(const std::string& name) { return (folder_ / name).string(); }
  Loaded Load(const std::string& path) {
    Loaded result;
    testing::internal::CaptureStdout();
    result.ok = LoadImageFile(path.c_str(), result.image);
    result.out = testing::internal::GetCapturedStdout();
    return result;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_ = [] {
    auto folder = std::filesystem::path(testing::TempDir()) /
                  ("loader-" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    return folder;
  }();
};

TEST_F(ImageLoaderTest, ExtensionPicksTheReaderInAnyCase) {
  const Bytes bmp = Bmp(1, 1, 24, {1, 2, 3});
  for (const char* name : {"a.bmp", "b.BMP", "c.Bmp", "x.y.bmp"}) {
    WriteFile(PathOf(name), bmp);
    const Loaded loaded = Load(PathOf(name));
    EXPECT_TRUE(loaded.ok) << name;
    EXPECT_EQ(loaded.image.pixels, (Bytes{3, 2, 1})) << name;
    EXPECT_EQ(loaded.out, "") << name;
  }
  const Bytes png = Png(1, 1, PngKind::kRgb, 8, {4, 5, 6});
  WriteFile(PathOf("p.png"), png);
  EXPECT_EQ(Load(PathOf("p.png")).image.pixels, (Bytes{4, 5, 6}));
  // The contents never choose: a PNG named .bmp goes to the BMP reader, which has no
  // message of its own for it.
  WriteFile(PathOf("p.bmp"), png);
  const Loaded misnamed = Load(PathOf("p.bmp"));
  EXPECT_FALSE(misnamed.ok);
  EXPECT_EQ(misnamed.out, "[ERROR] Unable to load " + PathOf("p.bmp") + "\n");
}

TEST_F(ImageLoaderTest, UnknownOrMissingExtensionsAreUnsupported) {
  for (std::string name : {"photo.jpeg", "photo.tiff", "photo.jpg", "bmp", "abmp", "a.bm",
                           "x", ""}) {
    const Loaded loaded = Load(name);
    EXPECT_FALSE(loaded.ok) << name;
    EXPECT_EQ(loaded.out, "[ERROR] Unsupported file format " + name + "\n");
  }
}

TEST_F(ImageLoaderTest, MissingFileFailsThroughItsReader) {
  const std::string missing = PathOf("missing.tga");
  EXPECT_EQ(Load(missing).out, "[ERROR] Unable to load " + missing + "\n");
  const std::string missing_png = PathOf("missing.png");
  EXPECT_EQ(Load(missing_png).out, "[ERROR] File could not be opened for reading {$s}\n"
                                   "[ERROR] Unable to load " + missing_png + "\n");
}

}  // namespace
