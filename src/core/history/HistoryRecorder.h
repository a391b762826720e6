// Records every song the playing station announces into the history store: a text repeated
// within one play (from choosing a station until another one or a stop) is one entry, and an
// artist-less text announced a third time in a play is the station's slogan, whose entry is
// taken out again. Owns nothing it is given; all of it must outlive this object.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>

class HistoryStore;
class RadioPlayer;

class HistoryRecorder : public QObject
{
    Q_OBJECT
public:
    using WallClock = std::function<QDateTime()>;

    // `now` gives the time an entry starts at (the current time when empty).
    HistoryRecorder(RadioPlayer *player, HistoryStore *store, WallClock now = {}, QObject *parent = nullptr);

Q_SIGNALS:
    // A song was stored or taken out again: a view of the history reads it anew.
    void historyChanged();

private:
    void onStationChanged();
    void onTitle(const QString &title);

    RadioPlayer *m_player;
    HistoryStore *m_store;
    WallClock m_now;
    // The play: the station's URL, and what it announced so far (comparable text -> entry id,
    // 0 when the store could not keep it; how often each artist-less text came up).
    QString m_playStation;
    QHash<QString, qint64> m_recorded;
    QHash<QString, int> m_artistlessCount;
    QSet<QString> m_slogans;
};
