#pragma once

#include "core/app/Preferences.h"

#include <QString>
#include <initializer_list>

class QTabWidget;
class QWidget;

namespace kestrava {

class AppState;

struct SubPage
{
    const char* name;
    const char* caption;
};

// Fills a page with a group of sub-pages whose open page is a preference.
QTabWidget* addSubPages(QWidget* page, AppState& state, const QString& name,
                        std::initializer_list<SubPage> subPages, int Preferences::*member);

QWidget* subPageAt(QTabWidget* pages, int index);
void fillSubPage(QWidget* page, QWidget* content);

// Puts a sub-page's content into sub-page index of the group, filling it.
template <typename Content> Content* installSubPage(QTabWidget* pages, int index, AppState& state)
{
    QWidget* page = subPageAt(pages, index);
    auto* content = new Content(state, page);
    fillSubPage(page, content);
    return content;
}

} // namespace kestrava
