// The output-device choice as the views offer it: the panel's route button and the General tab's
// picker read the same entries and choose through the same call. The system default comes first,
// named after the device it stands for when the sound server says which, then every listed
// device. The device manager keeps the list and stores the choice; the player follows the
// manager. Owns nothing; the manager may be absent (only the system default is offered).
#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantList>

class AudioDeviceManager;

class OutputDeviceModel : public QObject
{
    Q_OBJECT
    // One map {label, uid} per entry: the system default (uid "") first, then each device.
    Q_PROPERTY(QVariantList options READ options NOTIFY optionsChanged)
    // The chosen entry's uid, "" for the system default.
    Q_PROPERTY(QString selectedUid READ selectedUid NOTIFY selectionChanged)
    // Where the chosen entry stands in `options`; -1 while its device is not listed.
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectionChanged)
    // A device other than the system default is chosen.
    Q_PROPERTY(bool routedElsewhere READ routedElsewhere NOTIFY selectionChanged)
public:
    static inline const QString SystemDefaultLabel = QStringLiteral(QT_TR_NOOP("Systeemstandaard"));

    explicit OutputDeviceModel(AudioDeviceManager *devices, QObject *parent = nullptr);

    // "Systeemstandaard (<device>)", or "Systeemstandaard" when the device is not known.
    static QString systemDefaultLabelFor(const QString &deviceName);

    QVariantList options() const;
    QString selectedUid() const;
    int selectedIndex() const;
    bool routedElsewhere() const { return !selectedUid().isEmpty(); }

    // "" is the system default. The manager stores the choice; the player follows it.
    Q_INVOKABLE void choose(const QString &uid);
    // Reads the device list afresh (a view that opens shows what is there now).
    Q_INVOKABLE void refresh();

Q_SIGNALS:
    void optionsChanged();
    // The choice, or its place in the entries, changed.
    void selectionChanged();

private:
    QPointer<AudioDeviceManager> m_devices;
};
