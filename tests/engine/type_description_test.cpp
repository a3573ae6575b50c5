#include "engine/type_description.h"

#include <gtest/gtest.h>

#include "tests/search/case_name.h"

namespace lumetta {
namespace {

struct TypeCase {
  const char* name;
  const char* mime_type;
  const char* description;
};

class TypeDescriptionTest : public testing::TestWithParam<TypeCase> {};

TEST_P(TypeDescriptionTest, NamesTheCommonTypesForAChineseUser) {
  EXPECT_EQ(TypeDescription(GetParam().mime_type), GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(
    Types, TypeDescriptionTest,
    testing::Values(TypeCase{"NoType", "", "未知类型"},
                    TypeCase{"Html", "text/html", "HTML 文档 (text/html)"},
                    TypeCase{"Xhtml", "application/xhtml+xml",
                             "XHTML 文档 (application/xhtml+xml)"},
                    TypeCase{"Text", "text/plain", "文本文档 (text/plain)"},
                    TypeCase{"Pdf", "application/pdf", "PDF 文档 (application/pdf)"},
                    TypeCase{"Jpeg", "image/jpeg", "JPEG 图像 (image/jpeg)"},
                    TypeCase{"Svg", "image/svg+xml", "SVG 图像 (image/svg+xml)"},
                    TypeCase{"Zip", "application/zip", "ZIP 压缩文件 (application/zip)"}),
    test::CaseName<TypeCase>);

}  // namespace
}  // namespace lumetta
