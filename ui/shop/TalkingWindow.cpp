#include "ui/shop/TalkingWindow.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <map>
#include <utility>

#include "ui/platform/ProgramDir.h"
#include "ui/platform/Pictures.h"

namespace talking_window {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kFaceSize = 65;  // 975 twips

bool PictureExists(const std::string& relative) { return QFile::exists(QString::fromStdString(ProgramFile(relative))); }

QPixmap DrawBalloon() {
    QPixmap pm(kBalloonWidth, kBalloonHeight);
    pm.fill(QPalette().color(QPalette::Window));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 1.5, kBalloonWidth - 14, kBalloonHeight - 3), 10, 10);
    QPainterPath tail;
    const double right = kBalloonWidth - 12.5;
    tail.moveTo(right - 2, 24);
    tail.lineTo(kBalloonWidth - 1.5, 30);
    tail.lineTo(right - 2, 36);
    tail.closeSubpath();
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(body.united(tail));
    return pm;
}

// The pictures of the talking windows, read or drawn once: the clerk's
// note comes and goes every few game hours at the top speed. Kept as
// images, which may outlive the application object.
struct KeptPicture {
    bool found = false;
    QImage image;
};

QPixmap SpeechBalloon(Window window) {
    static std::map<std::pair<Window, QRgb>, QImage> kept;
    const QRgb background = QPalette().color(QPalette::Window).rgb();
    auto it = kept.find({window, background});
    if (it == kept.end()) {
        const std::string file = "Graphic/Forms/" + WindowObjectName(window) + "_Picture1.png";
        const QImage image = PictureExists(file)
                                 ? LoadPicture(QString::fromStdString(file), QSize(kBalloonWidth, kBalloonHeight))
                                 : DrawBalloon().toImage();
        it = kept.emplace(std::pair{window, background}, image).first;
    }
    return QPixmap::fromImage(it->second);
}

const KeptPicture& FacePicture(const std::string& picture) {
    static std::map<std::string, KeptPicture> kept;
    auto it = kept.find(picture);
    if (it == kept.end()) {
        KeptPicture face;
        face.found = PictureExists(picture);
        if (face.found) face.image = LoadPicture(QString::fromStdString(picture), QSize(kFaceSize, kFaceSize));
        it = kept.emplace(picture, std::move(face)).first;
    }
    return it->second;
}

}  // namespace

int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QLabel* MakeBalloon(QWidget* parent, Window window, QPoint at) {
    auto* balloon = new QLabel(parent);
    balloon->setObjectName("Picture1");
    balloon->setGeometry(at.x(), at.y(), kBalloonWidth, kBalloonHeight);
    balloon->setPixmap(SpeechBalloon(window));
    return balloon;
}

QLabel* MakeBalloonText(QLabel* balloon, const QString& text) {
    auto* label = new QLabel(text, balloon);
    label->setObjectName("Label1");
    label->setGeometry(Pixels(120), Pixels(120), Pixels(1455), Pixels(855));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* MakeFace(QWidget* parent, QPoint at) {
    auto* face = new QLabel(parent);
    face->setObjectName("Image1_0");
    face->setGeometry(at.x(), at.y(), kFaceSize, kFaceSize);
    face->setScaledContents(true);
    return face;
}

void ShowFace(QLabel* box, const std::string& picture) {
    if (const KeptPicture& face = FacePicture(picture); face.found) box->setPixmap(QPixmap::fromImage(face.image));
}

}  // namespace talking_window
