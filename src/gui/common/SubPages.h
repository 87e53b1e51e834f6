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

} // namespace kestrava
