#include "base/function_name.h"

namespace base {

namespace {

constexpr std::string_view kHomeNamespace = "lite_installer::";

bool StripSuffix(std::string* s, std::string_view suffix) {
  if (s->size() >= suffix.size() && s->compare(s->size() - suffix.size(), suffix.size(), suffix) == 0) {
    s->resize(s->size() - suffix.size());
    return true;
  }
  return false;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

void EraseAll(std::string* s, std::string_view what) {
  for (size_t pos = s->find(what); pos != std::string::npos; pos = s->find(what, pos)) {
    s->erase(pos, what.size());
  }
}

// Cuts the trailing parenthesised parameter list off |s|.
void StripParameterList(std::string* s) {
  if (s->empty() || s->back() != ')') return;
  int depth = 0;
  for (size_t i = s->size(); i-- > 0;) {
    const char c = (*s)[i];
    if (c == ')') {
      ++depth;
    } else if (c == '(' && --depth == 0) {
      s->resize(i);
      return;
    }
  }
}

// The start of the last blank-separated token, ignoring blanks inside template arguments.
size_t NameStart(const std::string& s) {
  int depth = 0;
  for (size_t i = s.size(); i-- > 0;) {
    const char c = s[i];
    if (c == '>') {
      ++depth;
    } else if (c == '<') {
      --depth;
    } else if (c == ' ' && depth <= 0) {
      // "operator bool", "operator new": the keyword belongs to the name.
      std::string_view before(s.data(), i);
      if (before.size() >= 8 && before.substr(before.size() - 8) == "operator") {
        size_t j = i;
        while (j > 0 && s[j - 1] != ' ') --j;
        return j;
      }
      return i + 1;
    }
  }
  return 0;
}

}  // namespace

std::string LogFunctionName(std::string_view pretty_function) {
  std::string s(pretty_function);
  EraseAll(&s, "(anonymous namespace)::");
  EraseAll(&s, "{anonymous}::");
  if (size_t lambda = s.find("::<lambda"); lambda != std::string::npos) s.resize(lambda);
  if (!s.empty() && s.back() == ']') {
    if (size_t with = s.rfind(" [with "); with != std::string::npos) s.resize(with);
  }
  while (StripSuffix(&s, " const") || StripSuffix(&s, " volatile") || StripSuffix(&s, " &&") || StripSuffix(&s, " &") ||
         StripSuffix(&s, " noexcept")) {
  }
  StripParameterList(&s);
  std::string name = s.substr(NameStart(s));
  if (StartsWith(name, kHomeNamespace)) name.erase(0, kHomeNamespace.size());
  if (name.empty()) return std::string(pretty_function);
  if (StartsWith(pretty_function, "virtual ")) return "virtual " + name;
  if (StartsWith(pretty_function, "static ")) return "static " + name;
  return name;
}

}  // namespace base
