#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace kestrava {

// Widgets carry the names the program's handlers and tests know them by.
template <typename W> W* named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

inline QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new QPushButton(caption, parent), name);
}

inline QCheckBox* makeCheck(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new QCheckBox(caption, parent), name);
}

inline QRadioButton* makeRadio(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new QRadioButton(caption, parent), name);
}

inline QGroupBox* makeGroup(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new QGroupBox(caption, parent), name);
}

inline QLabel* makeLabel(const QString& name, const QString& caption, QWidget* parent)
{
    return named(new QLabel(caption, parent), name);
}

// An edit with its caption above it; the caption is the label whose buddy
// the edit is, so captions can be found from the edit.
struct LabeledEdit
{
    QLabel* label;
    QLineEdit* edit;
};

inline LabeledEdit makeLabeledEdit(const QString& name, const QString& caption, QWidget* parent)
{
    auto* edit = named(new QLineEdit(parent), name);
    auto* label = named(new QLabel(caption, parent), name + QStringLiteral("Label"));
    label->setBuddy(edit);
    return {label, edit};
}

} // namespace kestrava
