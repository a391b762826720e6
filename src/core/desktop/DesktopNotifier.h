// The desktop's notification bubbles, as the logic sees them: one bubble of ours at a time, each
// new one replacing the previous. Texts are plain; the adapter escapes them where a server reads
// markup.
#pragma once

#include <QString>

class DesktopNotifier
{
public:
    virtual ~DesktopNotifier() = default;
    virtual void notify(const QString &summary, const QString &body) = 0;
};
