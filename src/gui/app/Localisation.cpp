#include "gui/app/Localisation.h"

#include "core/reading/Renderer.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

namespace kestrava {

namespace {

struct Caption
{
    const char* control;
    const char16_t* text;
};

// The second language's captions, in the order they are applied.
constexpr Caption kRussian[] = {
    {"TabSheet1", u"Настройки"},
    {"TabSheet2", u"Новый расклад"},
    {"TabSheet3", u"Расклад"},
    {"TabSheet4", u"База данных"},
    {"TabSheet5", u"О программе"},
    {"TabSheet7", u"Редактор названий карт"},
    {"TabSheet8", u"Редактор значений карт"},
    {"TabSheet10", u"Редакторы"},
    {"TabSheet11", u"Редактор раскладов"},
    {"TabSheet9", u"Колоды"},
    {"LabeledEdit1", u"Имя:"},
    {"Label1", u"Ваш Вопрос картам ТАРО:"},
    {"GroupBox1", u"Просмотр и выбор колоды"},
    {"GroupBox3", u"Информация для расклада"},
    {"GroupBox4", u"Выберите расклад"},
    {"Label49", u"Название расклада:"},
    {"CheckBox2", u"Запомнить имя"},
    {"CheckBox3", u"Добавить дату и время"},
    {"CheckBox11", u"Добавить имя"},
    {"CheckBox12", u"Добавить вопрос"},
    {"CheckBox13", u"Отображать фреймы вокруг карт"},
    {"ButtonShuffle", u"Тасовать колоду"},
    {"ButtonDeal", u"Разложить карты"},
    {"Button2", u"Тасовать и Разложить карты"},
    {"ButtonShowDeck", u"Выбрать карты мышью"},
    {"Button16", u"Внести свой расклад в дневник"},
    {"ButtonDAS", u"Скачать другие расклады"},
    {"CppWebBrowser2", u"Описание"},
    {"ScrollBoxLayout", u"Схема"},
    {"Label78", u"Всего карт:"},
    {"Label79", u"Осталось карт:"},
    {"ButtonNext", u"Продолжить"},
    {"ButtonFSV2", u"Во весь экран"},
    {"ButtonNSV2", u"Вернуться в окно"},
    {"CheckBoxCFD", u"Карты рубашкой вверх при выборе мышью"},
    {"CheckBox17", u"Колода внизу экрана при выборе мышью"},
    {"CheckBox16", u"Всегда своя рубашка карт"},
    {"CheckBox15", u"Полный экран при выборе карт мышью"},
    {"TabSheetCardsOptions", u"Карты"},
    {"TabSheetAppearance", u"Внешний вид"},
    {"TabSheetSaveOptions", u"Сохранение"},
    {"TabSheetWindowsSettings", u"Окна"},
    {"GroupBoxCardTypes", u"Набор карт"},
    {"LabelCLBCDEHint", u"* Отметьте один или несколько"},
    {"GroupBoxChoice", u"Выбор карт мышью"},
    {"GroupBoxSpreadGrid", u"Редактор раскладов"},
    {"CheckBoxCSEcr", u"Номера строк"},
    {"CheckBoxCSEcc", u"Номера столбцов"},
    {"CheckBoxCSEg1", u"Сетка (сплошная)"},
    {"CheckBoxCSEg2", u"Дополнительная сетка (пунктир)"},
    {"Button8", u"Загрузить"},
    {"Button9", u"Удалить"},
    {"Button11", u"Удалить всё"},
    {"CheckBoxRemoveAllUnlocked", u"Разблокировать кнопку"},
    {"GroupBoxSavedReadings", u"Сохранённые расклады и дневник"},
    {"RadioButton4", u"Показать сохранённые расклады (база данных)"},
    {"RadioButton5", u"Показать дневник"},
    {"EditFilter", u"Фильтр:"},
    {"LabeledEdit12", u"Расклад:"},
    {"LabeledEdit8", u"Имя:"},
    {"LabeledEdit9", u"Дата и время:"},
    {"Memo1Label", u"Вопрос картам или заметки:"},
    {"Button19", u"Редактировать"},
    {"RadioButton1", u"Использовать 22 Старших аркана"},
    {"RadioButton2", u"Использовать 56 Младших арканов"},
    {"RadioButton3", u"Использовать всю колоду (78 карт)"},
    {"CheckBoxReversedCards", u"Использовать перевёрнутые карты"},
    {"CheckBox1", u"Добавить пустые карты:"},
    {"CheckBox4", u"Читать расклад"},
    {"CheckBox5", u"Повторять карты"},
    {"CheckBox6", u"Всегда использовать полноэкранный режим"},
    {"CheckBox7", u"Помнить положение окна"},
    {"LabeledEdit3", u"Начальное имя файла:"},
    {"LabeledEdit4", u"Предварительный просмотр:"},
    {"LabeledEdit5", u"Запретные символы:"},
    {"GroupBox11", u"Настройки сохранения"},
    {"Label50", u"#N - Имя"},
    {"Label51", u"#S - Расклад"},
    {"Label52", u"#D - Дата"},
    {"Button12", u"Сбросить"},
    {"LabeledEditBlank", u"Пустая карта"},
    {"LabeledEditNormal", u"Прямая карта"},
    {"LabeledEditReversed", u"Перевёрнутая карта"},
    {"CheckBoxLEBlank", u"Включить"},
    {"CheckBoxLENormal", u"Включить"},
    {"CheckBoxLEReversed", u"Включить"},
    {"GroupBox15", u"Настройки окон"},
    {"GroupBox13", u"Прямая карта"},
    {"GroupBox14", u"Перевёрнутая карта"},
    {"Button1", u"Вернуть стандартные значения"},
    {"Button10", u"Сохранить"},
    {"StaticText1", u"* - чтобы значения карт сохранённые вами отображались в раскладах, выберите "
                    u"соответствующую опцию на странице настроек"},
    {"GroupBox7", u"Старшие Арканы"},
    {"GroupBox6", u"Младшие Арканы"},
    {"Label15", u"Огонь"},
    {"Label16", u"Вода"},
    {"Label17", u"Воздух"},
    {"Label18", u"Земля"},
    {"Label2", u"Туз"},
    {"Label12", u"Добавить разделитель"},
    {"Button4", u"Сохранить"},
    {"Button6", u"Сохр. HTML"},
    {"ButtonSavePdf", u"Сохранить PDF"},
    {"ButtonPrint", u"Печать…"},
    {"ButtonFSV", u"Во весь экран"},
    {"ButtonNSV", u"Вернуться в окно"},
    {"BSaveCSpread", u"Сохранить"},
    {"BDeleteCSpread", u"Удалить"},
    {"BLoadCSpread", u"Загрузить"},
    {"BAddCards", u"Число карт"},
    {"Label56", u"* - до 30 карт"},
    {"Label57", u"Список раскладов:"},
    {"Label55", u"Комментарии:"},
    {"Label54", u"Описание расклада:"},
    {"LESpreadTitle", u"Название расклада:"},
    {"ButtonReturnNS", u"Новый расклад"},
    {"BNewCSpread", u"Новый"},
    {"Button3", u"Сохранить названия"},
    {"RadioDefaultCardNames", u"Стандартные названия"},
    {"RadioCustomCardNames", u"Ваши названия"},
    {"GroupBox8", u"Пустая карта"},
    {"GroupBox9", u"Сохранить текущие названия как ваши"},
    {"GroupBox18", u"Тип чтения значений карт:"},
    {"CheckBox9", u"Отображать номера позиций карт в раскладе над картами"},
    {"CheckBox8", u"Отображать названия карт в раскладе под картами"},
    {"CheckBox10", u"Отображать список значений карт под раскладом"},
    {"Label60", u"Шаблон формата даты и времени:"},
    {"GroupBox17", u"Установки кодовой страницы"},
    {"Label64", u"Язык: Русский"},
    {"TabSheetTools", u"Инструменты"},
    {"TabSheetCompareCards", u"Сравнить карты"},
    {"TabSheetReadCards", u"Читать карты"},
    {"TabSheetReadingsEditor", u"Редактор дневника"},
    {"ButtonSaveToDiary", u"Сохранить как новый"},
    {"Button20", u"Сохранить изменения"},
    {"Button23", u"Во весь экран"},
    {"Button24", u"Вернуться в окно"},
    {"LabeledEdit13", u"Расклад:"},
    {"LabeledEdit6", u"Имя:"},
    {"LabeledEdit10", u"Дата и время:"},
    {"Memo5Label", u"Вопрос(ы) или заметки:"},
    {"LabelSelectedCard", u"Выбрана позиция:"},
    {"Label66", u"не выбрана"},
    {"LabelSetCard", u"Задать карту позиции:"},
    {"CheckBoxSetReversed", u"Перевёрнутая"},
    {"Button15", u"Задать"},
    {"CheckBoxCheckAll", u"Выбрать все"},
    {"ButtonCompareCards", u"Сравнить карты"},
    {"CheckBox14", u"Выбрать все"},
    {"ButtonReadCard", u"Прочитать значения"},
    {"ButtonDMTD", u"Скачать другие колоды"},
    {"TabSheetStatistics", u"Статистика"},
    {"ButtonImportDeck", u"Импорт колоды…"},
    {"ImportDeckDialog", u"Импорт колоды"},
    {"EditImportFolder", u"Папка с картинками:"},
    {"ButtonImportBrowse", u"Обзор…"},
    {"ButtonImportRead", u"Прочитать папку"},
    {"GroupImportNumbering", u"Номера в именах файлов"},
    {"RadioImportDetect", u"По содержимому папки"},
    {"RadioImportIds", u"1–78 (Шут — 21)"},
    {"RadioImportCommon", u"00–77 (Шут — 00)"},
    {"CheckImportJusticeEight", u"Аркан 8 — Справедливость, 11 — Сила"},
    {"LabelImportUnplaced", u"Не размещены:"},
    {"EditImportName", u"Название колоды:"},
    {"EditImportDesigner", u"Художник:"},
    {"EditImportYear", u"Год:"},
    {"EditImportCountry", u"Страна:"},
    {"LabelImportDescription", u"Описание:"},
    {"ButtonImport", u"Импортировать"},
    {"ButtonImportCancel", u"Отмена"},
    {"EditSearchDescriptions", u"Поиск в значениях карт:"},
    {"ButtonSearchDescriptions", u"Найти"},
};

// Widths that the longer or shorter texts need.
struct Width
{
    const char* control;
    int width;
};
constexpr Width kRussianWidths[] = {{"Button1", 180}, {"ButtonFSV", 83}, {"ButtonNSV", 115}};

void setCaption(QWidget* widget, const QString& text)
{
    // A page of a tab group shows its caption on its tab.
    if (auto* stack = qobject_cast<QStackedWidget*>(widget->parentWidget())) {
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
            tabs->setTabText(tabs->indexOf(widget), text);
            return;
        }
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // A button named after its caption keeps speaking its caption.
        if (button->accessibleName() == button->text())
            button->setAccessibleName(text);
        button->setText(text);
    } else if (auto* dialog = qobject_cast<QDialog*>(widget))
        dialog->setWindowTitle(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(widget)) {
        // A control named after its caption keeps speaking its caption.
        QWidget* buddy = label->buddy();
        if (buddy && buddy->accessibleName() == label->text())
            buddy->setAccessibleName(text);
        label->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // A labelled edit's caption is the label it is the buddy of.
        const auto labels = edit->window()->findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (label->buddy() != edit)
                continue;
            if (edit->accessibleName() == label->text())
                edit->setAccessibleName(text);
            label->setText(text);
        }
    }
}

} // namespace

void applyLanguage(const QString& code, QWidget* mainWindow, ReportWords& words)
{
    if (code != QLatin1String("RU"))
        return;
    words.spreadHeading = "Расклад";
    words.readingHeading = "Чтение расклада";
    words.cardWord = "Карта";
    words.backLink = "назад";
    words.questionCaption = "Вопрос";
    words.dateCaption = "Дата";
    words.nameCaption = "Имя";

    for (const Caption& caption : kRussian) {
        const QString name = QString::fromLatin1(caption.control);
        const QString text = QString::fromUtf16(caption.text);
        for (QWidget* widget : mainWindow->findChildren<QWidget*>(name))
            setCaption(widget, text);
    }
    for (const Width& width : kRussianWidths) {
        const QString name = QString::fromLatin1(width.control);
        for (QWidget* widget : mainWindow->findChildren<QWidget*>(name))
            widget->setFixedWidth(width.width);
    }
}

} // namespace kestrava
