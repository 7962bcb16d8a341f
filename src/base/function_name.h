// The function name a log line shows, derived from the compiler's pretty function signature.
#ifndef BASE_FUNCTION_NAME_H_
#define BASE_FUNCTION_NAME_H_

#include <string>
#include <string_view>

namespace base {

// "virtual bool lite_installer::Installer::Download(int)" -> "virtual Installer::Download";
// "static bool lite_installer::InstallUACUtil::IsUserAnAdminGroup()" ->
// "static InstallUACUtil::IsUserAnAdminGroup"; "bool installer::StoreValueInRegistry(...)" ->
// "installer::StoreValueInRegistry"; "int wWinMain(...)" -> "wWinMain".
// The return type, the parameters, template arguments after "[with", anonymous namespaces and the
// installer's home namespace "lite_installer::" are dropped; a lambda is named by its enclosing
// function. A plain name passes through unchanged.
std::string LogFunctionName(std::string_view pretty_function);

}  // namespace base

#endif  // BASE_FUNCTION_NAME_H_
