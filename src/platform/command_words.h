#pragma once
// Program command texts as the user types them ("meld", "diff -u", "'/opt/My Tool/tool' -x")
// and the parameter texts built from file paths, turned into argument lists without a
// shell: words are split as a POSIX shell splits them, with its quoting, and nothing is
// ever expanded, substituted or run ("$(reboot)" and ";" are ordinary characters).
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::platform {

// The words of a command text: blanks, tabs and line breaks separate words; '...' keeps
// everything literally; "..." keeps everything, a backslash escaping only ", \, $, ` and a
// line break; outside quotes a backslash keeps the next character. An unterminated quote
// runs to the end of the text. Quotes next to other characters join them into one word
// (a"b c"d is the one word ab cd).
std::vector<std::string> SplitCommandWords(std::string_view text);

// A file path as one word of a parameter text: unchanged when it holds no blank and no
// character the splitter treats specially; in double quotes when it holds a blank (the
// form users expect, "/home/me/my file.txt"); quotes, backslashes and other whitespace
// are escaped inside the double quotes, so SplitCommandWords always gives the path back
// whole.
std::string QuoteCommandWord(std::string_view path);

// The program named by a program text, for starting it as one file: the single word when
// the text splits into exactly one word (its quotes removed), else the text as it stands
// (a path with blanks typed without quotes still names its file).
std::string ProgramName(std::string_view programText);

}  // namespace quorvane::platform
