// Gallery page of the marked-up text label: real screen texts in each kind, with help jumps,
// sections, placeholders and colours, stacked as on a question screen.

#include "GalleryPages.h"
#include "TextLbl.h"

#include "../../tests/support/ValidateScreenText.h"

#include <QLabel>
#include <QWidget>

#include <functional>

namespace {

constexpr int kLeft = 12;
constexpr int kWidth = 600;
constexpr int kGap = 10;

QString YearPlaceholder(int screenTagId) {
    switch (screenTagId) {
    case 99997:
        return "2000";
    case 99998:
        return "2003";
    case 99999:
        return "2004";
    default:
        return {};
    }
}

// Places captioned examples one below the other, as a screen form places its controls.
class TStack {
public:
    explicit TStack(QWidget* page) : page(page) {}

    void Add(const QString& caption, const QStringList& text,
             const std::function<void(TTextLbl&)>& configure = {}) {
        auto* title = new QLabel(caption, page);
        title->setStyleSheet("color: #555; font-size: 8pt;");
        title->move(kLeft, y);
        y += title->sizeHint().height() + 2;
        auto* label = new TTextLbl(page);
        label->setObjectName(caption);
        label->setGeometry(kLeft, y, kWidth, 40);
        label->setColor(Qt::white);
        label->setOnScreenTag(YearPlaceholder);
        label->setCalculateHeight(true);
        if (configure) configure(*label);
        label->setText(text);
        y += label->height() + kGap;
    }

    int Bottom() const { return y; }

private:
    QWidget* page;
    int y = kGap;
};

const QStringList kResidency = {
    "<T1>Were you an <C12;T5;J512>Australian resident<.;T1> or the holder of certain temporary "
    "visas or a special category",
    "visa for the purposes of Vesk for the whole income year 1 July <V99998> to 30 June "
    "<V99999>?<.>",
};

const QStringList kResidencyStatusHint = {
    "<s0>Select your residency status for this period of residency from the drop down list.",
    "<s1>Enter the date this period started, or 01/07/<V99998> if it began before the year.",
};

const QStringList kDirectPayments = {
    "<T1>Periods during the income year for which you or another person claimed or intend "
    "claiming a",
    "direct payment of Vesk through the Corvel.<.>",
};

const QStringList kErrorsFound = {
    "<s-1;C10;T1><.;S10>Quellet<.> has found the following errors in your Vesk claim<.;T0><L14>  ",
    "<L10><T0;S10>Because Quellet<T0;S10> is designed to ask for the minimum information "
    "required to ",
    "calculate your Vesk entitlement, it is possible to complete this interview to ",
    "here and still not to have entered all the required information.",
};

const QStringList kColours = {
    "<T1>Colours<.><X70>"
    "<C01>black <C02>maroon <C03>green <C04>olive <C05>navy <C06>purple <C07>teal <C08>gray",
    "<C09>silver <C10>red <C11>lime <C12>blue <C13>fuchsia <C14>aqua <C16>yellow",
    "<X0;C01;T1>Styles<.><X70><T2>italic<.>, <T1>bold<.>, <T4>underlined<.>, <S8>small<.>, "
    "<S12>large<.>, <G7809>a screen link<.>",
    "<AR;X590>right-aligned<AC;X295>centred",
};

QWidget* MakeLabelPage() {
    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    TStack stack(page);
    stack.Add("Navigation text, section 1 of ten (help jumps)", kValidateScreenText,
              [](TTextLbl& label) { label.setSection(1); });
    stack.Add("Question text with placeholders for the years", kResidency);
    stack.Add("Attention kind, section 0 of a column hint", kResidencyStatusHint,
              [](TTextLbl& label) {
                  label.setKind(TTextLbl::tlkAttention);
                  label.setCurrentSection(0);
              });
    stack.Add("Direction kind", kDirectPayments,
              [](TTextLbl& label) { label.setKind(TTextLbl::tlkDirection); });
    stack.Add("Danger kind, section -1", kErrorsFound, [](TTextLbl& label) {
        label.setKind(TTextLbl::tlkDanger);
        label.setCurrentSection(-1);
    });
    stack.Add("Colour table, styles and alignment, lowered bevel", kColours,
              [](TTextLbl& label) { label.setBevelOuter(TTextLbl::bvLowered); });
    stack.Add("Vision-impaired mode: colours and styles ignored", kResidency,
              [](TTextLbl& label) { label.setMode(TTextLbl::tlmVisionImpaired); });
    page->setFixedSize(kLeft * 2 + kWidth, stack.Bottom());
    return page;
}

const TGalleryPageRegistrar registrar("label", MakeLabelPage);

} // namespace
