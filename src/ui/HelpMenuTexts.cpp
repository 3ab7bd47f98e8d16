#include "ui/HelpMenuTexts.h"

namespace varnholt {

std::string manualMenuCaption(const std::string &windowTitle)
{
    std::string caption = "&";
    for (const char c : windowTitle)
        caption += c == '&' ? "&&" : std::string(1, c);
    return caption + " Manual";
}

std::string versionMessage(const std::string &windowTitle, const std::string &versionText)
{
    return windowTitle + "\r\n\r\nVersion:  " + versionText;
}

} // namespace varnholt
