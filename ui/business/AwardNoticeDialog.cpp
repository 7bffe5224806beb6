#include "ui/business/AwardNoticeDialog.h"

#include <QLabel>
#include <QPushButton>

#include "platform/Platform.h"
#include "ui/platform/WindowRegistry.h"
#include "ui/kit/Controls.h"

namespace {
constexpr int kWidth = 280;
constexpr int kHeight = 110;
}  // namespace

AwardNoticeDialog::AwardNoticeDialog(GameState& g) : ModalDialog(g) {
    setObjectName(QString::fromStdString(WindowObjectName(Window::AwardNotice)));
    setWindowTitle(QStringLiteral("通知"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    RefuseCloseBox();

    Label1 = new QLabel(QStringLiteral("全日本书店评选的时间到了。"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 20, kWidth - 32, 24);
    Label1->setAlignment(Qt::AlignCenter);

    Command1 = NamedButton(this, "Command1", QStringLiteral("继续 >>"), QRect((kWidth - 100) / 2, 62, 100, 28));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &AwardNoticeDialog::Command1_Click);
}

void AwardNoticeDialog::Command1_Click() {
    // The notice goes and the ceremony comes with the clock held all the
    // way through: this hold outlives the notice's own.
    ClockHold handOver;
    accept();
    ShowForm(Window::AwardCeremony, game());
}
