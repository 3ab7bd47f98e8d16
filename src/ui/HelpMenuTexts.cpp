#include "ui/HelpMenuTexts.h"

namespace varnholt {

std::string manualMenuCaption(const std::string &windowTitle) { return "&" + windowTitle + " Manual"; }

std::string versionMessage(const std::string &windowTitle, const std::string &versionText)
{
    return windowTitle + "\r\n\r\nVersion:  " + versionText;
}

} // namespace varnholt
