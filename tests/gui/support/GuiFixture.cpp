#include "support/GuiFixture.h"

#include "core/jpeg/JpegFile.h"
#include "core/srml/SpreadDocument.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QListWidget>
#include <QStackedWidget>

namespace kestrava::test {

namespace {
// The embedded browser needs this before the application object exists.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();
} // namespace

Answer ScriptedPrompter::ask(std::string_view question)
{
    questions.emplace_back(question);
    if (answers.empty())
        return Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedPrompter::tell(std::string_view message)
{
    messages.emplace_back(message);
}

std::optional<std::filesystem::path>
ScriptedPrompter::chooseSaveFile(std::string_view, std::string_view filter,
                                 const std::filesystem::path& start)
{
    dialogFilters.emplace_back(filter);
    dialogStarts.push_back(start);
    if (files.empty())
        return std::nullopt;
    auto file = files.front();
    files.pop_front();
    return file;
}

ProgramFixture::ProgramFixture()
{
    addDeck("Full", 78);
    addDeck("Majors", 22);
    addSpread("Three Cards", 3);
    addSpread("Path of Trumps", 22);
    addSpread("Thirty", 30);
    Lines titles;
    for (int i = 0; i < 42; ++i)
        titles.push_back("Title " + std::to_string(i));
    m_home.writeLines("titles/default.srml", titles);
    m_home.writeLines("descriptions/Alpha.srml", {"[NAME]", "Alpha", "[/NAME]"});
    m_home.writeLines("descriptions/Beta.srml", {"[NAME]", "Beta", "[/NAME]"});
    m_home.writeLines("xfiles/readme.txt", {"working files"});
}

void ProgramFixture::addSpread(const std::string& title, int cards)
{
    SpreadDraft spread;
    spread.title = title;
    spread.description = {"About " + title};
    std::filesystem::create_directories(folder().spreads());
    for (int k = 0; k < cards; ++k) {
        spread.meanings.push_back("Meaning " + std::to_string(k + 1));
        spread.positions.push_back({10 + 40 * (k % 10), 10 + 60 * (k / 10)});
    }
    saveSpread(folder(), spread);
}

void ProgramFixture::addDeck(const std::string& name, int cards)
{
    RgbImage card;
    card.width = 144;
    card.height = 233;
    card.rgb.assign(static_cast<std::size_t>(card.width * card.height * 3), 200);
    const std::string bytes = encodeJpegBytes(card);
    for (int id = 1; id <= cards; ++id) {
        for (const char* side : {"normal", "reversed"})
            m_home.writeRaw("cards/" + name + "/" + side + "/" + std::to_string(id) + ".jpg",
                            bytes);
    }
    m_home.writeRaw("cards/" + name + "/blank/0.jpg", bytes);
}

void ProgramFixture::removeDecks()
{
    std::filesystem::remove_all(folder().cards());
}

std::unique_ptr<MainWindow> ProgramFixture::start(const QUrl& site)
{
    Services services;
    services.folder = folder();
    services.prompter = &prompter;
    services.clock = &clock;
    services.site = site;
    services.openUrl = [this](const QUrl& url) {
        openedUrls.push_back(url);
    };
    services.language = language;
    services.arguments = arguments;
    auto window = std::make_unique<MainWindow>(services);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the main window was not exposed");
    return window;
}

void click(QWidget* root, const char* button)
{
    auto* target = widget<QAbstractButton>(root, button);
    // Check boxes and radio buttons answer on their indicator and text only.
    const bool indicator = target->inherits("QCheckBox") || target->inherits("QRadioButton");
    const QPoint point = indicator ? QPoint(8, target->height() / 2) : target->rect().center();
    QTest::mouseClick(target, Qt::LeftButton, {}, point);
}

// Brings the page holding the widget to the front, tab by tab.
void showPageOf(QWidget* target)
{
    for (QWidget* child = target; child && child->parentWidget(); child = child->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(child->parentWidget()))
            stack->setCurrentWidget(child);
    }
    QCoreApplication::processEvents();
}

void clickListEntry(QWidget* root, const char* list, const QString& entry)
{
    auto* view = widget<QListWidget>(root, list);
    const auto items = view->findItems(entry, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("no entry %s", qPrintable(entry));
    view->scrollToItem(items.constFirst());
    const QRect place = view->visualItemRect(items.constFirst());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
}

} // namespace kestrava::test
