#include "ChangeTable.h"

#include "CalcTags.h"
#include "Dates.h"
#include "FieldStore.h"
#include "ScreenHelpers.h"

#include <algorithm>

namespace {

const QString ShareChange = QString::fromLatin1(events::SharedCareChange);
const QString Death = QString::fromLatin1(events::Deceased);

// The five circumstances in the order of their answer codes.
const std::array<const TCircumstance*, 5> Circumstances{&FullTimeEducation, &IncomeSupport,
                                                        &Absence, &Residency, &PrescribedEducation};
enum { cEducation, cIncomeSupport, cAbsence, cResidency, cPrescribed };

QString Start(int c) {
    return QString::fromLatin1(Circumstances[c]->startEvent);
}

QString End(int c) {
    return QString::fromLatin1(Circumstances[c]->endEvent);
}

// What the circumstance's next event must be when the answer code holds.
QString NextEvent(int c, const QString& code) {
    return code == "2" ? End(c) : Start(c);
}

std::optional<int> Day(const QString& text) {
    return ParseDate(text.toStdString());
}

} // namespace

TInitialCircumstances StoredInitialCircumstances() {
    TInitialCircumstances initial;
    for (size_t c = 0; c < Circumstances.size(); ++c)
        initial.codes[c] = QString::fromStdString(FieldAsText(Circumstances[c]->initialTag));
    initial.wholeYearEducation = FieldChecked(TagWholeYearEducation);
    initial.share = QString::fromStdString(FieldAsText(TagSharedCare));
    return initial;
}

QString OppositeEvent(const QString& event) {
    for (size_t c = 0; c < Circumstances.size(); ++c) {
        if (event == Start(c)) return End(c);
        if (event == End(c)) return Start(c);
    }
    return event;
}

TChangeTable::TChangeTable(TChangeRows rows, TInitialCircumstances initial)
    : rows_(std::move(rows)), initial_(std::move(initial)) {}

std::vector<int> TChangeTable::DatedRows(bool sharesFirst) const {
    std::vector<int> order;
    for (int row = 0; row < int(rows_.size()); ++row)
        if (Day(rows_[row].date)) order.push_back(row);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int dayA = *Day(rows_[a].date), dayB = *Day(rows_[b].date);
        if (dayA != dayB) return dayA < dayB;
        return sharesFirst && rows_[a].event == ShareChange && rows_[b].event != ShareChange;
    });
    return order;
}

QStringList TChangeTable::PickList(int row) const {
    const auto day = Day(rows_[row].date);
    if (!day) return {};
    QStringList list;
    if (!initial_.wholeYearEducation) list << NextEvent(cEducation, initial_.codes[cEducation]);
    for (int c : {cIncomeSupport, cPrescribed, cAbsence, cResidency})
        list << NextEvent(c, initial_.codes[c]);
    list << ShareChange << Death;
    // Each earlier event turns the entry it matches into its opposite; on one day the lowest
    // row counts last.
    std::vector<int> earlier;
    for (int other : DatedRows(false))
        if (other != row && *Day(rows_[other].date) <= *day) earlier.push_back(other);
    std::stable_sort(earlier.begin(), earlier.end(), [&](int a, int b) {
        const int dayA = *Day(rows_[a].date), dayB = *Day(rows_[b].date);
        return dayA != dayB ? dayA < dayB : a > b;
    });
    for (int other : earlier) {
        const int at = list.indexOf(rows_[other].event);
        if (at >= 0) list[at] = OppositeEvent(rows_[other].event);
    }
    return list;
}

void TChangeTable::Normalise(int row, bool editable, const QString& cellText) {
    if (row < 0 || row >= int(rows_.size())) return;
    if (rows_[row].date.isEmpty() || rows_[row].event.isEmpty()) return;
    const QString edited = rows_[row].event;
    if (editable) DeleteRedundantEvents();
    DeleteSameDayConflicts();
    RecomputeShares(edited, cellText);
    WarnEventsAfterDeath();
    SortByDate();
}

void TChangeTable::DeleteRedundantEvents() {
    for (size_t c = 0; c < Circumstances.size(); ++c) {
        if (initial_.codes[c].isEmpty()) continue;
        QString expected = NextEvent(int(c), initial_.codes[c]);
        std::vector<int> redundant;
        for (int row : DatedRows(false)) {
            const QString& event = rows_[row].event;
            if (event == expected) {
                expected = OppositeEvent(expected);
            } else if (event == OppositeEvent(expected)) {
                ShowInformation("The changes you have made have caused some changes in "
                                "circumstance to become redundant.\rThat is " +
                                event + " has been entered twice without a " + expected +
                                " event being entered in between them. The redundant row will "
                                "now be deleted.");
                redundant.push_back(row);
            }
        }
        std::sort(redundant.rbegin(), redundant.rend());
        for (int row : redundant)
            rows_.erase(rows_.begin() + row);
    }
}

void TChangeTable::DeleteSameDayConflicts() {
    for (bool found = true; found;) {
        found = false;
        for (size_t first = 0; first < rows_.size() && !found; ++first)
            for (size_t second = first + 1; second < rows_.size() && !found; ++second) {
                const TChangeRow& a = rows_[first];
                const TChangeRow& b = rows_[second];
                if (a.date.isEmpty() || a.date != b.date || a.event.isEmpty()) continue;
                if (b.event == a.event)
                    ShowInformation("There are two identical events (" + b.event +
                                    ") occurring on the same day (" + b.date +
                                    "). One of these events will now be deleted.");
                else if (b.event == OppositeEvent(a.event))
                    ShowInformation(
                        "Opposite change of circumstance events are not permitted to be entered "
                        "for the same day.As you have recorded opposite events (" +
                        a.event + "," + b.event + ") occurring on the same day (" + b.date +
                        ").\"" + b.event + "\" will now be deleted." +
                        "You should update the change of circumstance table to ensure the event "
                        "you record for " +
                        b.date + " is the latest event that occurred on that day.");
                else
                    continue;
                rows_.erase(rows_.begin() + second);
                found = true;
            }
    }
}

void TChangeTable::RecomputeShares(const std::optional<QString>& editedEvent,
                                   const QString& cellText) {
    QString current = initial_.share;
    const bool typingRefused = editedEvent && *editedEvent != ShareChange;
    for (int row : DatedRows(true)) {
        TChangeRow& change = rows_[row];
        if (change.event == ShareChange && !change.share.isEmpty()) {
            current = change.share;
            for (TChangeRow& sameDay : rows_)
                if (sameDay.date == change.date) sameDay.share = current;
            continue;
        }
        if (typingRefused && !change.share.isEmpty() && change.share.toInt() != current.toInt())
            ShowError("You can only change this value when the event you have just entered is "
                      "Change of shared care %. This value has been changed back to " +
                      cellText);
        change.share = current;
    }
}

void TChangeTable::WarnEventsAfterDeath() const {
    std::optional<int> death;
    for (const TChangeRow& row : rows_)
        if (const auto day = Day(row.date); day && row.event == Death)
            death = std::min(death.value_or(*day), *day);
    if (!death) return;
    for (const TChangeRow& row : rows_)
        if (const auto day = Day(row.date); day && *day > *death) {
            ShowError("You have recorded dependant change of circumstances after \t\rthe date of "
                      "the dependant's death.\t\rThese changes will be ignored by Quellet.");
            return;
        }
}

void TChangeTable::SortByDate() {
    std::stable_sort(rows_.begin(), rows_.end(), [](const TChangeRow& a, const TChangeRow& b) {
        const auto dayA = Day(a.date), dayB = Day(b.date);
        if (!dayA || !dayB) return dayA.has_value() && !dayB.has_value();
        return *dayA < *dayB;
    });
}
