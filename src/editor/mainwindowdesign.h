#pragma once

#include <QChar>

#include <initializer_list>

// How the main window offers its commands: the toolbar buttons, the menus and the characters
// typed on the drawing field. Each entry names the menu item (a QAction) that it runs.

struct ToolbarButton {
    int index;
    int left;
    const char* picture;
    const char* action;
};

// In the order they stand from left to right; the index is the design's button number.
inline constexpr ToolbarButton kToolbar[] = {
    {0, 0, "newpicture", "filenew"},  {1, 32, "newanimation", "newani"},
    {11, 72, "importbmp", "frombmp"}, {2, 112, "open", "fileopen"},
    {3, 144, "save", "filesave"},     {4, 184, "cut", "editcut"},
    {5, 216, "copy", "editcopy"},     {6, 248, "paste", "editpaste"},
    {7, 288, "picturesize", "size"},  {8, 320, "animationparameters", "ainopt"},
    {9, 360, "nextframe", "frnext"},  {10, 392, "previousframe", "frfor"},
};

struct MenuItem {
    const char* name;    // separators have names too
    const char* caption; // empty for a separator
    const char* shortcut;
};

struct Menu {
    const char* name;
    const char* caption;
    std::initializer_list<MenuItem> items;
};

inline const Menu kMenus[] = {
    {"filemenu",
     "Файл",
     {{"filenew", "Новое изображение", "Ctrl+N"},
      {"newani", "Новая анимация", ""},
      {"fileopen", "Открыть файл...", "Ctrl+O"},
      {"t1", "", ""},
      {"frombmp", "Импорт из BMP", ""},
      {"t9", "", ""},
      {"filesave", "Сохранить файл", "Ctrl+S"},
      {"filesaveas", "Сохранить файл как...", ""},
      {"t5", "", ""},
      {"fileexit", "Выход", ""}}},
    {"edit",
     "Редактирование",
     {{"editundo", "Отмена", "Ctrl+Z"},
      {"t7", "", ""},
      {"editcut", "Вырезать", "Ctrl+X"},
      {"editcopy", "Копировать", "Ctrl+C"},
      {"editpaste", "Вставить", "Ctrl+V"},
      {"delete", "Стереть", "Del"},
      {"t4", "", ""},
      {"sup", "Скролл вверх (8)", ""},
      {"sdown", "Скролл вниз (2)", ""},
      {"sleft", "Скролл влево (4)", ""},
      {"sright", "Скролл вправо (6)", ""}}},
    {"ani",
     "Анимация",
     {{"frnext", "Следующий кадр", "Ctrl+A"},
      {"frfor", "Предыдущий кадр", "Ctrl+Q"},
      {"t8", "", ""},
      {"ainopt", "Параметры анимации...", ""}}},
    {"options",
     "Опции",
     {{"setka", "Сетка", "Ctrl+G"}, {"t3", "", ""}, {"size", "Размер изображения...", ""}}},
    {"help",
     "Справка",
     {{"helpme", "Помощь", "F1"}, {"t6", "", ""}, {"about", "О программе...", ""}}},
};

// Characters typed on the drawing field or a toolbar button, and the menu item each runs. The
// frame characters work on the field only.
struct TypedCharacter {
    QChar character;
    const char* action;
    bool onToolbarToo;
};

inline const TypedCharacter kTypedCharacters[] = {
    {u'4', "sleft", true}, {u'6', "sright", true}, {u'8', "sup", true},
    {u'2', "sdown", true}, {u'!', "frfor", false}, {u'"', "frnext", false},
};
