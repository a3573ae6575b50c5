#include "engine/page_commands/mhtml_subject.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <sstream>

namespace lumetta {
namespace {

// The text of a Subject header made of encoded words, and whether every line and word kept to
// the limits of RFC 2047 and every word held whole characters.
struct Decoded {
  std::string text;
  bool within_limits = true;
};

Decoded Decode(const std::string& header) {
  Decoded decoded;
  std::istringstream lines(header);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 76) decoded.within_limits = false;
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
      if (word == "Subject:") continue;
      if (word.size() > 75 || word.rfind("=?UTF-8?B?", 0) != 0) decoded.within_limits = false;
      gsize length = 0;
      guchar* bytes = g_base64_decode(word.substr(10, word.size() - 12).c_str(), &length);
      const std::string part(reinterpret_cast<char*>(bytes), length);
      g_free(bytes);
      if (!g_utf8_validate(part.data(), static_cast<gssize>(part.size()), nullptr)) {
        decoded.within_limits = false;
      }
      decoded.text += part;
    }
  }
  return decoded;
}

TEST(MhtmlSubjectTest, PrintableAsciiStaysAsItIs) {
  EXPECT_EQ(MhtmlSubjectHeader("Test page"), "Subject: Test page");
  EXPECT_EQ(MhtmlSubjectHeader(""), "Subject:");
}

TEST(MhtmlSubjectTest, OtherTitlesBecomeEncodedWordsWithinTheLimits) {
  std::string long_title;
  for (int i = 0; i < 100; ++i) long_title += "长标题";
  for (const std::string& title : {std::string("中文标题 Test"), long_title,
                                   std::string("注入\r\nX-Evil: 1"), std::string("é")}) {
    const std::string header = MhtmlSubjectHeader(title);
    const Decoded decoded = Decode(header);
    EXPECT_EQ(decoded.text, title);
    EXPECT_TRUE(decoded.within_limits) << header;
  }
}

TEST(MhtmlSubjectTest, ReplacesTheHeaderOfTheTopBlockOnly) {
  const std::string body =
      "------=_Part\r\nContent-Type: text/html\r\nSubject: not a header of the message\r\n\r\n"
      "<p>x</p>\r\n";
  const std::string mhtml =
      "From: <Saved by WebKit>\r\nSubject: ???? Test\r\n\tfolded on\r\nDate: today\r\n"
      "MIME-Version: 1.0\r\n\r\n" +
      body;
  EXPECT_EQ(
      WithMhtmlSubject(mhtml, "Plain"),
      "From: <Saved by WebKit>\r\nSubject: Plain\r\nDate: today\r\nMIME-Version: 1.0\r\n\r\n" +
          body);
  const std::string replaced = WithMhtmlSubject(mhtml, "中文标题");
  const size_t start = replaced.find("Subject:");
  EXPECT_EQ(Decode(replaced.substr(start, replaced.find("\r\nDate:") - start)).text, "中文标题");
  EXPECT_EQ(replaced.substr(replaced.find("\r\nDate:")),
            "\r\nDate: today\r\nMIME-Version: 1.0\r\n\r\n" + body);

  const std::string without = "From: x\r\n\r\nSubject: body text\r\n";
  EXPECT_EQ(WithMhtmlSubject(without, "中文"), without);
  EXPECT_EQ(WithMhtmlSubject("no header block at all", "中文"), "no header block at all");
}

}  // namespace
}  // namespace lumetta
