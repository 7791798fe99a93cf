#include "QNVESK_38.h"

#include "ui_QNVESK_38.h"

#include "ATICalcs.h"
#include "ClaimCompleteness.h"
#include "Cp1252.h"
#include "FieldStore.h"
#include "Frame.h"
#include "Lookups.h"
#include "NavigatorFrameUnit.h"
#include "RunState.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <cctype>

VESK_REGISTER_SCREEN(TQVESK_38)

namespace {

constexpr int SpousalMaintenanceDoneItem = 49;
constexpr int ClaimCompleteItem = 58;
constexpr int WarningsItem = 59;
constexpr int SpouseDetailsItem = 18;
constexpr int ExitSection = 66;

// The screen each id shows: its section of the text and its help context.
struct TNavigationScreen {
    int item;
    int textSection;
    int helpContext;
    int nextItem; // 0: decided when leaving
};

constexpr TNavigationScreen NavigationScreens[] = {
    {4, 1, 530, 5},
    {12, 2, 553, 13},
    {16, 3, 553, 17},
    {22, 4, 553, 23},
    {26, 5, 553, 27},
    {37, 6, 545, 39},
    {42, 7, 583, 43},
    {SpousalMaintenanceDoneItem, 8, 553, 0},
    {ClaimCompleteItem, 0, 553, 0},
    {WarningsItem, -1, 546, 0},
};

const TNavigationScreen* FindNavigationScreen(int item) {
    const auto* found =
        std::find_if(std::begin(NavigationScreens), std::end(NavigationScreens),
                     [item](const TNavigationScreen& screen) { return screen.item == item; });
    return found == std::end(NavigationScreens) ? nullptr : found;
}

// Next from a validate screen leaves the module; from the end of spousal maintenance it skips
// the dependants' maintenance when no dependant's maintenance matters.
void SetNextTarget(int item) {
    auto& state = RunState();
    if (item == ClaimCompleteItem || item == WarningsItem) {
        state.CurrentSection = ExitSection;
        state.CurrentItem = 1;
    } else if (item == SpousalMaintenanceDoneItem) {
        TStringList relevant;
        MaintenanceRelevantDependants(relevant);
        state.CurrentItem = relevant.empty() ? 50 : 51;
    } else if (const TNavigationScreen* screen = FindNavigationScreen(item)) {
        state.CurrentItem = screen->nextItem;
    }
}

QString ToQt(const std::string& text) {
    return QString::fromStdString(Cp1252ToUtf8(text));
}

const std::string NotInTablePhrase = "NOT IN MARITAL STATUS TABLE";

// The spouse a "... Not in marital status table" warning names, or empty for other warnings.
std::string SpouseNotInTable(const std::string& text) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    const auto at = upper.find(NotInTablePhrase);
    if (at == std::string::npos) return {};
    return text.substr(0, at > 0 ? at - 1 : 0);
}

std::string MaritalStatusQuestion(const std::string& name) {
    const std::string year = std::to_string(RunState().IncomeYear);
    const std::string lastYear = std::to_string(RunState().IncomeYear - 1);
    return name +
           " does not appear in the marital status table. Do You wish to change the marital "
           "status table?" +
           "\r\n\r\n" +
           "The reason for this error message is that you have entered spouse details for " + name +
           "but have not included this spouse in the table of marital status at any time during "
           "the income year 1 July " +
           lastYear + " to " + "30 June " + year + ". " + "\r\n" + "\r\n" +
           "If you wish to edit the marital status table select \"Yes\" and Quellet will now "
           "return you to the marital status table. If " +
           name + " was not your partner at any time throughout the income " +
           "You should delete their details from Quellet. To delete this spouse's details "
           "select \"No\" and Quellet will return you to the \"Spouse Details\" screen from where "
           "you can delete the record for " +
           name;
}

// The hourglass for the length of a scope.
class TBusyCursor {
public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

} // namespace

TQVESK_38::TQVESK_38() : ui_(new Ui::TQVESK_38) {
    ui_->setupUi(this);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    QFont font("Arial");
    font.setPixelSize(13);
    font.setBold(true);
    ui_->ListBoxWarnings->setFont(font);
    ui_->ListBoxWarnings->setStyleSheet("QListWidget { color: red; }");
    ui_->TextLblIntro->setOnScreenTag([this](int tag) { return TextLblYellowBoxScreenTag(tag); });
    connect(ui_->ListBoxWarnings, &QListWidget::itemClicked, this, [this](QListWidgetItem* line) {
        ListBoxWarningsClick(ui_->ListBoxWarnings->row(line));
    });
    ChildFormCreate();
}

TQVESK_38::~TQVESK_38() = default;

void TQVESK_38::ChildFormCreate() {
    const TBusyCursor busy;
    TFrameWnd* frame = FrameWnd();
    frame->Navigator()->show();
    auto& handlers = HandlerSlots();
    handlers.WorksheetListHandler = [this](QObject* sender) { ListClicked(sender); };
    handlers.LeaveCheck = [this](QObject* sender, TCloseAction&) { ChildFormClose(sender); };
    handlers.AnswerHandler = [this](QObject* sender) { ChildFormYesNoClick(sender); };
    SetArrivedFromList(false);

    const int item = RunState().CurrentItem;
    if (!BuildWarnings(item)) return;
    frame->SelectedWorksheetName.clear();
    BuildModuleTopics(*frame->Navigator());
    ShowSection(item);
}

// The validate screens run the completeness check; a complete claim stays on its screen, an
// incomplete one moves on to the screen that lists the warnings.
bool TQVESK_38::BuildWarnings(int item) {
    if (item != ClaimCompleteItem && item != WarningsItem) return true;
    TStringList found;
    CheckClaimComplete(found);
    warnings_.clear();
    for (std::size_t i = 0; i + 2 < found.size(); i += 3)
        warnings_.push_back({std::stoi(found[i]), std::stoi(found[i + 1]), found[i + 2]});
    if (!warnings_.empty() && item == ClaimCompleteItem) {
        RunState().CurrentItem = WarningsItem;
        PostShowScreen();
        return false;
    }
    if (item == WarningsItem) ShowWarnings();
    return true;
}

void TQVESK_38::ShowWarnings() {
    ui_->TextLblIntro->setCurrentSection(-1);
    QListWidget* list = ui_->ListBoxWarnings;
    list->clear();
    for (const TWarning& warning : warnings_) {
        auto* line = new QListWidgetItem(ToQt(warning.text), list);
        line->setSizeHint(QSize(0, 16));
    }
    list->show();
}

void TQVESK_38::ShowSection(int item) {
    if (const TNavigationScreen* screen = FindNavigationScreen(item)) {
        ui_->TextLblIntro->setCurrentSection(screen->textSection);
        setHelpContext(screen->helpContext);
    }
}

void TQVESK_38::ChildFormShow() {
    ui_->ListBoxWarnings->setVisible(RunState().CurrentItem == WarningsItem);
}

void TQVESK_38::ListBoxWarningsClick(int row) {
    if (row < 0 || row >= int(warnings_.size())) return;
    const TWarning warning = warnings_[std::size_t(row)];
    auto& state = RunState();
    state.CurrentItem = warning.item;
    SetArrivedFromList(true);
    SetCurrentPayer(0);
    if (warning.item == ItemDependantIncome || warning.item == ItemDependantStatus)
        SetCurrentDependant(warning.instance);
    if (const std::string spouse = SpouseNotInTable(warning.text); !spouse.empty()) {
        if (!AskAboutMaritalStatusTable(spouse)) {
            state.CurrentItem = SpouseDetailsItem;
            SetCurrentSpouse(warning.instance);
        }
    }
    SetPrevBlockedItem(state.CurrentItem);
    if (state.ScreenValid) FrameWnd()->ShowSelectPanel(QString());
    PostShowScreen();
}

// True when the user chooses to correct the table rather than the spouse's record.
bool TQVESK_38::AskAboutMaritalStatusTable(const std::string& spouseName) {
    return QuestionYesNo(ToQt(MaritalStatusQuestion(spouseName)));
}

void TQVESK_38::ChildFormYesNoClick(QObject*) {
    if (FrameWnd()->GoingBack()) return;
    SetNextTarget(RunState().CurrentItem);
    SetArrivedFromList(false);
    SetPrevBlockedItem(-1);
    if (RunState().ScreenValid) FrameWnd()->ShowSelectPanel(QString());
}

void TQVESK_38::ChildFormClose(QObject*) {
    RunState().ScreenValid = true;
    if (FrameWnd()->GoingBack())
        SetArrivedFromList(true);
    else
        FrameWnd()->Navigator()->hide();
}

void TQVESK_38::ListClicked(QObject*) {
    SetArrivedFromList(true);
}

QString TQVESK_38::TextLblYellowBoxScreenTag(int screenTag) const {
    if (screenTag == 99998) return QString::number(RunState().IncomeYear - 1);
    if (screenTag == 99999) return QString::number(RunState().IncomeYear);
    return QString();
}
