#pragma once
// The support staff's tag inspector: reads and sets one field of the store by its tag.

#include "Worksheet.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TfrmGetTag;
}
class QRadioButton;

class TfrmGetTag : public QWidget {
    Q_OBJECT

public:
    // A window of its own that lives as long as `owner` (the frame).
    explicit TfrmGetTag(QWidget* owner);
    ~TfrmGetTag() override;

    // Shows the one inspector of `owner`, creating it on the first call, and brings it to the
    // front.
    static TfrmGetTag* Open(QWidget* owner);

    void GetClick();
    void SetClick();

private:
    QRadioButton* TypeButton(TDataType type) const;
    void ShowCheckBox(bool shown);
    void ShowInvalidTag();

    std::unique_ptr<Ui::TfrmGetTag> ui;
};
