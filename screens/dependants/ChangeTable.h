#pragma once
// The rules of a dependant's change of circumstance table: which event a row may record next,
// and the tidying after an edit - redundant events, two events on one day, the shared care
// percentage carried down the rows, events after death, date order. Messages go to the user as
// they are found.

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

struct TChangeRow {
    QString date;
    QString event;
    QString share;
};
using TChangeRows = std::vector<TChangeRow>;

// The answers of the initial circumstances screen that the table starts from.
struct TInitialCircumstances {
    // Answer codes ("1" No, "2" Yes, "" not answered) of the five Yes/No circumstances, in the
    // order full-time education, income support, absence, residency, prescribed education.
    std::array<QString, 5> codes;
    bool wholeYearEducation = false;
    QString share;
};
// The open dependant record's answers.
TInitialCircumstances StoredInitialCircumstances();

// The event that undoes the event; a shared care change and death are their own opposites.
QString OppositeEvent(const QString& event);

class TChangeTable {
public:
    TChangeTable(TChangeRows rows, TInitialCircumstances initial);

    const TChangeRows& Rows() const { return rows_; }
    // The events row (0-based) may record, given the rows dated no later.
    QStringList PickList(int row) const;
    // Tidies the table after row (0-based) was edited; nothing happens unless the row has a date
    // and an event. Redundant events are looked for only while the table may be edited.
    // cellText is the edited cell's text before the edit, named when a percentage is put back.
    void Normalise(int row, bool editable, const QString& cellText);
    // Carries the shared care percentage down the rows. With an edited event other than a change
    // of shared care, a percentage typed on a row is put back with a message naming cellText.
    void RecomputeShares(const std::optional<QString>& editedEvent, const QString& cellText);

private:
    void DeleteRedundantEvents();
    void DeleteSameDayConflicts();
    void WarnEventsAfterDeath() const;
    void SortByDate();
    // Rows with a readable date, by date; ties by row unless sharesFirst puts shared care
    // changes in front.
    std::vector<int> DatedRows(bool sharesFirst) const;

    TChangeRows rows_;
    TInitialCircumstances initial_;
};
