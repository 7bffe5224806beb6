#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QLibrary>
#include <QTextBrowser>
#include <QTranslator>
#include <QUrl>

#include "ui/platform/ProgramDir.h"
#include "ui/platform/GameStyle.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/WindowRegistry.h"

namespace {

// "desc|pattern|desc|pattern|" as Qt's "desc (pattern);;..." list.
QStringList FilterList() {
    QStringList parts = QString::fromUtf8(kSaveFileFilter).split('|', Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i];
    return out;
}

// The file dialog of loading (AcceptOpen: an existing file) and of saving
// (AcceptSave) a game, over the main window, starting at `path` or at the
// default name. True, with `path` the file chosen, unless cancelled.
bool ChooseSavedGame(QFileDialog::AcceptMode mode, std::string& path) {
    QFileDialog dlg(MainWidget(), QString::fromUtf8(kSaveFileDialogTitle));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    if (mode == QFileDialog::AcceptOpen)
        dlg.setFileMode(QFileDialog::ExistingFile);
    else
        dlg.setOption(QFileDialog::DontConfirmOverwrite);  // the game asks its own overwrite question
    dlg.setAcceptMode(mode);
    dlg.setNameFilters(FilterList());
    dlg.selectNameFilter(FilterList().value(1));
    dlg.selectFile(QString::fromStdString(path.empty() ? kSaveFileDefaultName : path));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    path = dlg.selectedFiles().first().toStdString();
    return true;
}

}  // namespace

MsgAnswer QtPlatform::MessageBox(const std::string& text, MsgStyle style, const std::string& title) {
    ShowPending();
    ClockHold hold(*this);
    QMessageBox box(MainWidget());
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    switch (style) {
    case MsgStyle::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::Exclamation:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::Question:
        // No is the default: Enter alone never confirms a removal, a
        // dismissal or an arson.
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case MsgStyle::OverwriteQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    int r = box.exec();
    if (r == QMessageBox::Yes) return MsgAnswer::Yes;
    if (r == QMessageBox::No) return MsgAnswer::No;
    return MsgAnswer::Ok;
}

namespace {

// The sound module beside the program, loaded with the first sound; null
// when it is missing, and the game goes on silently.
using PlayFn = void (*)(const QString&);
PlayFn SoundModule() {
    static const PlayFn play = [] {
        QLibrary module(QString::fromStdString(ProgramFile("qmsound.so")));
        return reinterpret_cast<PlayFn>(module.resolve("QmPlaySound"));
    }();
    return play;
}

}  // namespace

bool QtPlatform::CanPlaySounds() { return SoundModule() != nullptr; }

void QtPlatform::PlaySound(const std::string& file) {
    if (PlayFn play = SoundModule()) play(QString::fromStdString(ProgramFile(file)));
}

bool QtPlatform::ChooseOpenFile(std::string& path) {
    ClockHold hold(*this);
    return ChooseSavedGame(QFileDialog::AcceptOpen, path);
}

bool QtPlatform::ChooseSaveFile(std::string& path) {
    ClockHold hold(*this);
    return ChooseSavedGame(QFileDialog::AcceptSave, path);
}

void QtPlatform::ShowHelp() {
    if (!help_) {
        help_ = new QTextBrowser;
        help_->setAttribute(Qt::WA_DeleteOnClose);
        help_->setWindowTitle(QStringLiteral("Quillmart 帮助"));
        help_->resize(640, 560);
    }
    help_->setSource(QUrl::fromLocalFile(QString::fromStdString(ProgramFile("Book.html"))));
    help_->home();
    help_->show();
    help_->raise();
}

QFont GameFont(int pointSize) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                   QStringLiteral("Noto Sans")});
    f.setPointSize(pointSize);
    return f;
}

void SetUpApplicationLook() {
    QApplication::setStyle(new GameStyle);
    QApplication::setFont(GameFont());
    // Message boxes, file dialogs and help carry the game's icon too.
    QApplication::setWindowIcon(GameIcon());
    auto* qt = new QTranslator(qApp);
    if (qt->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

bool QtPlatform::IsLive(const GameState& g) const {
    if (!live_ || &g == live_) return true;
    qWarning("a window was asked for a game that is not the live one");
    return false;
}

// A caption is a request to the window manager; at the top speed the funds
// change it many times between two frames, and only the last one is seen.
void QtPlatform::SetCaption(const std::string& text) {
    caption_ = QString::fromStdString(text);
    captionPending_ = true;
    if (!ticksRunning_) ShowPendingCaption();
}

void QtPlatform::ShowPendingCaption() {
    if (!captionPending_) return;
    captionPending_ = false;
    captionShownAt_ = Now();
    emit captionChanged(caption_);
}

void QtPlatform::SetStatusBar(const std::string& text) {
    status_ = text;
    statusPending_ = true;
    if (!ticksRunning_) ShowPendingStatus();
}

void QtPlatform::ShowPendingStatus() {
    if (!statusPending_) return;
    statusPending_ = false;
    emit statusBarChanged(QString::fromStdString(status_));
}

void QtPlatform::TicksRunning(bool running) {
    ticksRunning_ = running;
    if (running) return;
    ShowPendingStatus();
    if (!captionPending_) return;
    const std::optional<ClockTime> next = NextClockWake();
    const bool shownLately = captionShownAt_ && Now() - *captionShownAt_ < kCaptionPeriod;
    if (shownLately && next && *next <= *captionShownAt_ + kCaptionPeriod) return;  // that wake shows it
    ShowPendingCaption();
}

void QtPlatform::ClockChanged() {
    if (!ticksRunning_) ShowPending();
    emit clockChanged();
}

bool QtPlatform::ShowWindow(Window w, GameState& g) {
    ShowPending();
    return IsLive(g) && ShowForm(w, g);
}

void QtPlatform::ToggleReportWindow(Window w, GameState& g) {
    if (IsLive(g)) ::ToggleReportWindow(w, g);
}

void QtPlatform::CloseGameWindows(const GameState& g) {
    if (IsLive(g)) UnloadAllForms();
}

QtPlatform* QtUi() { return dynamic_cast<QtPlatform*>(InstalledPlatform()); }
