#pragma once
// The three article windows of the weekly issue are one design: a heading
// band, a picture and the article, closed by the close box alone. They
// open over the news index, which holds the game still.
#include <array>
#include <string>

#include "platform/Window.h"
#include "ui/kit/ModalDialog.h"

class QFrame;
class QLabel;

class NewsArticleDialog : public ModalDialog {
    Q_OBJECT
public:
    std::array<QFrame*, 1> Shape1{};  // the heading band
    QLabel* Label3 = nullptr;         // the heading
    QLabel* Picture1 = nullptr;       // the article's picture
    QLabel* Label1 = nullptr;         // the article

protected:
    NewsArticleDialog(GameState& g, Window w, const QString& caption);
    // Form_Load: the heading and the article, whose line breaks show as new
    // lines.
    void ShowArticle(const std::string& heading, const std::string& text);
};
