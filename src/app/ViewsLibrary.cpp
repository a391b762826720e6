#include "ViewsLibrary.h"

#include "base/AppInfo.h"
#include "base/Logging.h"

#include <QLibrary>

AppWindows *ViewsLibrary::createWindows(const AppWindows::Objects &objects)
{
    const QString path = AppInfo::libraryDir() + QStringLiteral("/libzeffira_ui.so");
    QLibrary library(path);
    const auto create = reinterpret_cast<CreateAppWindows>(library.resolve(kCreateAppWindowsSymbol));
    if (!create) {
        qCCritical(lcApp, "Cannot load the windows from %s: %s", qUtf8Printable(path),
                   qUtf8Printable(library.errorString()));
        return nullptr;
    }
    // Never unloaded: the windows and Qt Quick's own registrations live as long as the process.
    return create(objects);
}
