#include "QNVESK_33.h"

#include "Frame.h"
#include "MaintenanceFlow.h"
#include "ScreenHelpers.h"
#include "ScreenRegistry.h"
#include "ui_QNVESK_33.h"

namespace {

struct TNotRequiredRoute {
    int id;
    int section; // of the label
    int next;
};

// Spousal maintenance, dependant maintenance, and all maintenance.
constexpr TNotRequiredRoute Routes[] = {
    {7841, 0, screen_ids::DependantMaintenanceNavigation},
    {screen_ids::NotRequiredDependants, 1, screen_ids::Validate},
    {7838, 2, screen_ids::Validate},
};

const TNotRequiredRoute& RouteFor(int id) {
    for (const TNotRequiredRoute& route : Routes)
        if (route.id == id) return route;
    return Routes[2];
}

} // namespace

TQVESK_33::TQVESK_33() : ui_(new Ui::TQVESK_33) {
    ui_->setupUi(this);
    ui_->TextLbl1->setCurrentSection(RouteFor(FrameWnd()->ScreenId()).section);
}

TQVESK_33::~TQVESK_33() = default;

void TQVESK_33::FormShow() {
    const int next = RouteFor(FrameWnd()->ScreenId()).next;
    HandlerSlots().AnswerHandler = [next](QObject*) {
        if (!FrameWnd()->GoingBack()) SetNextScreen(next);
    };
}

VESK_REGISTER_SCREEN(TQVESK_33)
