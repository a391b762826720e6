// Build-time facts about the application: identifier, version, build number, website host,
// and where the shipped data files live.
#pragma once

#include <QString>

namespace AppInfo {
QString appId();
QString version();
// -DZEFFIRA_BUILD_NUMBER, else the git commit count of the checkout when it was built.
QString buildNumber();
QString websiteHost();
// The built-in station list: beside the install prefix of the running program, then the
// source tree it was built from. Empty when neither exists.
QString builtInStationsPath();
// Our own icons: the installed hicolor theme folder (for the tray's theme lookup), and the
// SVG file of `name` (e.g. "zeffira-radio") installed or in the source tree.
QString iconThemePath();
QString iconFile(const QString &name);
// The folder of the application's own libraries: where this core library was loaded from, in
// the build tree and in any installed prefix alike.
QString libraryDir();
} // namespace AppInfo
