// The program in the user's language: which translation is chosen, that each
// shipped one is whole, and that its words fit the boxes the skin gives them.
#include "catalogwin/CatUnit2.h"
#include "platform/Translations.h"
#include "player/Unit1.h"
#include "shell/Forms.h"
#include "support/FormsFixture.h"
#include "video/CaptionUnit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace {

struct TMessage {
    QByteArray Context, Source;
    bool Numerus = false;
};

// The messages of a shipped language's source file.
std::vector<TMessage> MessagesOf(const QString& language) {
    QFile file(QV_SOURCE_DIR "/translations/quorvix_" + language + ".ts");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<TMessage> messages;
    QByteArray context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText().toUtf8();
        else if (xml.name() == u"message")
            messages.push_back({context, {}, xml.attributes().value("numerus") == u"yes"});
        else if (xml.name() == u"source" && !messages.empty())
            messages.back().Source = xml.readElementText().toUtf8();
    }
    return messages;
}

QSet<QString> PlaceholdersOf(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

// How far the text's ink reaches, drawn in its font from the left edge.
int InkWidth(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 16, metrics.height(),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(0, metrics.ascent(), text);
    painter.end();
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) != 0)
                return x + 1;
    return 0;
}

QString Translated(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

} // namespace

// Each shipped language says every text, in every plural form, with the same
// places for what the program fills in; none is missing from the library.
TEST(LanguageTest, EveryShippedLanguageSaysEveryTextWithItsPlaceholders) {
    const QStringList shipped = ShippedLanguages();
    for (const char* expected : {"ru", "uk", "de", "fr", "es", "pl"})
        EXPECT_TRUE(shipped.contains(expected)) << expected << " is not shipped";
    for (const QString& language : shipped) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(":/i18n/quorvix_" + language + ".qm"))
            << language.toStdString();
        const std::vector<TMessage> messages = MessagesOf(language);
        EXPECT_GT(messages.size(), 80u) << language.toStdString();
        for (const TMessage& m : messages)
            for (int n : m.Numerus ? std::vector<int>{1, 2, 5, 21, 70001} : std::vector<int>{-1}) {
                const QString said = translator.translate(m.Context, m.Source, nullptr, n);
                const std::string where =
                    (language + ": " + m.Context + " / " + m.Source).toStdString();
                ASSERT_FALSE(said.isEmpty()) << where;
                EXPECT_EQ(PlaceholdersOf(said), PlaceholdersOf(QString::fromUtf8(m.Source)))
                    << where << " -> " << said.toStdString();
            }
    }
}

// The first of the user's languages that the program speaks wins; English
// counts as spoken, and with none spoken the texts stay English, in the
// plural form the number takes. Qt's own
// dialogs follow the same language, and leaving restores English.
TEST(LanguageTest, TheFirstOfTheUsersLanguagesThatIsSpokenIsChosen) {
    const QString english = QStringLiteral("Stopped");
    {
        const TTranslations russian({"ru-RU", "ru"});
        EXPECT_EQ(russian.Language(), "ru");
        EXPECT_NE(Translated("TMainForm", "Stopped"), english);
        EXPECT_NE(Translated("QFileDialog", "Save As"), "Save As")
            << "Qt's own Russian translation (qt6-translations-l10n) was not loaded";
    }
    EXPECT_EQ(Translated("TMainForm", "Stopped"), english);
    EXPECT_EQ(Translated("QFileDialog", "Save As"), "Save As");
    {
        const TTranslations ukrainian({"pt-BR", "pt", "uk-UA"});
        EXPECT_EQ(ukrainian.Language(), "uk");
        EXPECT_NE(Translated("TMainForm", "Stopped"), english);
    }
    for (const QStringList& languages :
         {QStringList{"en-GB", "ru-RU"}, QStringList{"C"}, QStringList{"pt-BR"}, QStringList{}}) {
        const TTranslations none(languages);
        EXPECT_EQ(none.Language(), "") << languages.join(':').toStdString();
        EXPECT_EQ(Translated("TMainForm", "Stopped"), english);
        EXPECT_EQ(Translated("QFileDialog", "Save As"), "Save As");
        // Counted texts have English plural forms.
        EXPECT_EQ(QCoreApplication::translate("TAuthorForm", "%n entries", nullptr, 1), "1 entry");
        EXPECT_EQ(QCoreApplication::translate("TAuthorForm", "%n entries", nullptr, 2),
                  "2 entries");
    }
}

class LanguageFormsTest : public FormsTest {
protected:
    // Every window made anew in the language.
    void RemakeFormsIn(const QString& language) {
        DestroyForms();
        Translations.emplace(QStringList{language});
        CreateForms();
        MainForm->Timer2->stop();
    }
    void TearDown() override {
        FormsTest::TearDown();
        Translations.reset();
    }
    std::optional<TTranslations> Translations;
};

// No caption of a label or a button is cut in any language: each text's
// width in its font is within its box, the bar's state words among them.
TEST_F(LanguageFormsTest, EveryCaptionFitsItsBoxInEveryLanguage) {
    for (const QString& language : QStringList{"en"} + ShippedLanguages()) {
        RemakeFormsIn(language);
        // Cut is where the ink of the last letter crosses the edge.
        const auto fits = [&](QWidget* widget, const QString& text, int room) {
            const int width = InkWidth(widget->font(), text);
            EXPECT_LE(width, room)
                << language.toStdString() << ": \"" << text.toStdString() << "\" in "
                << widget->metaObject()->className() << " " << widget->objectName().toStdString();
        };
        int checked = 0;
        // The video window's hint is centred in whatever size the window has.
        for (QWidget* form : std::initializer_list<QWidget*>{MainForm, CatForm2}) {
            for (QLabel* label : form->findChildren<QLabel*>()) {
                if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull())
                    continue;
                fits(label, label->text(), label->contentsRect().width());
                ++checked;
            }
            // A button's frame takes two pixels on each side.
            for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
                if (!button->text().isEmpty()) {
                    fits(button, button->text(), button->width() - 4);
                    ++checked;
                }
        }
        for (const char* state : {"Stopped", "Paused", "Playing", "Waiting"})
            fits(MainForm->Label1, Translated("TMainForm", state), MainForm->Label1->width());
        EXPECT_GE(checked, 10) << language.toStdString();
        const bool english = language == "en";
        EXPECT_EQ(MainForm->Label1->text() == "Stopped", english) << language.toStdString();
        EXPECT_EQ(CatForm2->FlatButton6->text() == "Save", english) << language.toStdString();
    }
}
