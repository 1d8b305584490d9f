#include "environment.h"

#include <cstdlib>

namespace crashnote {

std::string expandEnvironment(const std::string &text)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        auto open = text.find('%', pos);
        auto close = open == std::string::npos ? std::string::npos : text.find('%', open + 1);
        if (close == std::string::npos) {
            out += text.substr(pos);
            break;
        }
        out += text.substr(pos, open - pos);
        std::string name = text.substr(open + 1, close - open - 1);
        const char *value = name.empty() ? nullptr : std::getenv(name.c_str());
        if (value) {
            out += value;
            pos = close + 1;
        } else if (name.empty()) {
            out += '%';
            pos = close + 1;
        } else {
            // Unset variables expand to nothing.
            pos = close + 1;
        }
    }
    return out;
}

void setReportEnvironment(const ReportEnvironment &v)
{
    const std::pair<const char *, const std::string *> vars[] = {
        {"_MainModuleName", &v.mainModuleName}, {"_MainModuleDesc", &v.mainModuleDesc},
        {"_MainModuleVer", &v.mainModuleVer},   {"_ExceptModuleName", &v.exceptModuleName},
        {"_ExceptModuleDesc", &v.exceptModuleDesc}, {"_ExceptModuleVer", &v.exceptModuleVer},
        {"_ExceptMsg", &v.exceptMsg},           {"_BugReport", &v.bugReport},
    };
    for (auto [name, value] : vars)
        ::setenv(name, value->c_str(), 1);
    ::setenv("_LineBreak", "\r\n", 1);
}

} // namespace crashnote
