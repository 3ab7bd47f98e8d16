#pragma once
// The texts of the Help menu: the manual item's caption and the Version box.

#include <QString>

#include <string>

namespace varnholt {

// The caption of the Help menu's manual item: "&" + title + " Manual", every "&" of the title
// doubled so that it shows as itself instead of marking an access key.
QString manualMenuCaption(const std::string &windowTitle);

// The Version box: the title, an empty line, then "Version:  " and the version.
QString versionMessage(const std::string &windowTitle, const std::string &versionText);

} // namespace varnholt
