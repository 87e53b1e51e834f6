#include "gui/common/SubPages.h"

#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Widgets.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace kestrava {

QTabWidget* addSubPages(QWidget* page, AppState& state, const QString& name,
                        std::initializer_list<SubPage> subPages, int Preferences::*member)
{
    auto* pages = named(new QTabWidget(page), name);
    for (const SubPage& sub : subPages)
        pages->addTab(named(new QWidget(pages), QString::fromLatin1(sub.name)),
                      QString::fromLatin1(sub.caption));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pages);
    auto* binder = new Binder(state, page);
    binder->bind(pages, member);
    binder->refresh();
    return pages;
}

QWidget* subPageAt(QTabWidget* pages, int index)
{
    return pages->widget(index);
}

void fillSubPage(QWidget* page, QWidget* content)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

} // namespace kestrava
