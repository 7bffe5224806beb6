// The game's sounds, in a module of their own: Qt Multimedia and the sound
// system's libraries are loaded with the first sound the game plays rather
// than at every start (QtPlatform::PlaySound loads this module).
#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

extern "C" Q_DECL_EXPORT void QmPlaySound(const QString& path) {
    static QHash<QString, QSoundEffect*> sounds;
    QSoundEffect*& effect = sounds[path];
    if (!effect) {
        effect = new QSoundEffect(qApp);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();  // asynchronous: the game never waits for a sound
}
