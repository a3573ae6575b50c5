#include "platform/skin_sheet.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

struct SheetCase {
  const char* name;
  std::string sheet;
  // What the sheet becomes, with FOLDER for the skin's folder as a file: address; nothing when
  // it is refused.
  std::optional<std::string> checked;
};

std::string KeyframeSteps(int count) {
  std::string sheet = "@keyframes k { ";
  for (int i = 0; i < count; ++i) sheet += std::to_string(i % 100) + "%, ";
  return sheet + "100% { color: red; } }";
}

class SkinSheetTest : public testing::TestWithParam<SheetCase> {
 protected:
  SkinSheetTest() {
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, 4, 4);
    gdk_pixbuf_fill(pixbuf, 0x00ff00ff);
    dir_.Write("img/.keep", "");
    gdk_pixbuf_save(pixbuf, (dir_.Path() + "/img/ok.png").c_str(), "png", nullptr, nullptr);
    g_object_unref(pixbuf);
    dir_.Write("img/not-an-image.png", "text");
  }

  test::TempDir dir_;
};

TEST_P(SkinSheetTest, NamesImagesByTheirFullAddress) {
  std::optional<std::string> expected = GetParam().checked;
  if (expected) {
    gchar* folder = g_filename_to_uri(dir_.Path().c_str(), nullptr, nullptr);
    for (size_t at = expected->find("FOLDER"); at != std::string::npos;
         at = expected->find("FOLDER")) {
      expected->replace(at, 6, folder);
    }
    g_free(folder);
  }
  EXPECT_EQ(CheckSkinSheet(GetParam().sheet, dir_.Path()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, SkinSheetTest,
    testing::Values(
        SheetCase{"NoImages", "label { color: #aabbcc; }", "label { color: #aabbcc; }"},
        SheetCase{"Relative", "a { background-image: url('img/ok.png'); }",
                  "a { background-image: url(\"FOLDER/img/ok.png\"); }"},
        SheetCase{"BlanksCommentsAndCapitals", "a { background: URL /**/ ( \"img/ok.png\" ) }",
                  "a { background: url(\"FOLDER/img/ok.png\") }"},
        SheetCase{"Escapes", "a { background-image: url(\"img/\\6f k.png\"); }",
                  "a { background-image: url(\"FOLDER/img/ok.png\"); }"},
        SheetCase{"InACommentOrString",
                  "/* url(\"/dev/zero\") */ a { font-family: \"url('/dev/zero')\"; }",
                  "/* url(\"/dev/zero\") */ a { font-family: \"url('/dev/zero')\"; }"},
        SheetCase{"CommentInAString", "a { font-family: \"/*\"; background: url(\"/dev/zero\"); }",
                  std::nullopt},
        SheetCase{"Unquoted", "a { background-image: url(img/ok.png); }", std::nullopt},
        SheetCase{"NotAnImage", "a { background-image: url(\"img/not-an-image.png\"); }",
                  std::nullopt},
        SheetCase{"Missing", "a { background-image: url(\"img/none.png\"); }", std::nullopt},
        SheetCase{"OtherScheme", "a { background-image: url(\"resource:///x.png\"); }",
                  std::nullopt},
        SheetCase{"NulEscape", "a { background-image: url(\"img/ok.png\\0\"); }", std::nullopt},
        SheetCase{"UnendedComment", "a { color: red; } /* url(", std::nullopt},
        SheetCase{"ImportInAComment", "/* @import \"x.css\"; */", std::nullopt},
        SheetCase{"KeyframeStepsAreNoSelectors", KeyframeSteps(2001), KeyframeSteps(2001)}),
    [](const testing::TestParamInfo<SheetCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumetta
