#pragma once
// The values of the date and time screen: the time and the date as date-time numbers of the
// instrument's clock, and the date format of the unit configuration. Until the user edits them,
// time and date follow the clock every second without counting as modified, so leaving without
// an edit sets nothing.
#include "V40_GUI_SettingsModel.h"

#include <QList>
#include <QString>
#include <QTimer>

namespace KTX {
namespace APP {

class DateTimeSettingsModelC : public V40::GUI::SettingsModelC
{
    Q_OBJECT

public:
    enum KeyE
    {
        KEY_TIME = 0,
        KEY_DATE = 1,
        KEY_DATE_FORMAT = 2
    };

    explicit DateTimeSettingsModelC(QObject* parent = nullptr);
    ~DateTimeSettingsModelC() override;

    // The clock into time and date, the stored date format.
    bool readValues() override;
    // While the screen is shown: time and date follow the clock from now on, every second.
    void followClock(bool bFollow);
    // Sets the clock when time or date was edited, stores the date format when it was changed.
    bool writeValues() override;

    // The date format codes in the order of the format row.
    static QList<int> dateFormats();
    // "dd.mm.yyyy" ...; an unknown code reports "false" and gives "----".
    static QString getDateFormatText(int iDateFormat);

    bool isDateFollowingClock() const;
    bool isTimeFollowingClock() const;

public slots:
    // A new date format re-formats the date row.
    void onValueChanged(int iKey);
    void onDateEdited();
    void onTimeEdited();
    void onTimerTick();

private:
    bool setClock();

    QTimer m_oTimer;
    bool m_bDateFollowsClock;
    bool m_bTimeFollowsClock;
    // The clock went on while the rows were not shown.
    bool m_bMissedTicks;
};

} // namespace APP
} // namespace KTX
