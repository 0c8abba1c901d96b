#pragma once

#include "platform/windows/Form.h"

#include <QStringList>
#include <optional>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;
class TextLabel;

// The friends window: a name edit with its add button, the list of names
// with a remove button, and how many of the allowed names are used.
class FriendsForm : public Form
{
    Q_OBJECT
public:
    FriendsForm(ErrorReporter &errors, BrowserFactory &browsers);

    // What adding and removing do; each answers with the names as they are
    // then (adding: nothing when the name was refused).
    using Add = std::function<std::optional<QStringList>(const QString &name)>;
    using Remove = std::function<QStringList(int index)>;
    void bind(Add add, Remove remove) { m_add = std::move(add); m_remove = std::move(remove); }
    void showNames(const QStringList &names);

    QLineEdit &nameEdit() const { return *m_name; }
    QPushButton &addButton() const { return *m_addButton; }
    QListWidget &names() const { return *m_names; }
    QPushButton &removeButton() const { return *m_removeButton; }
    TextLabel &count() const { return *m_count; }

private:
    void addName();
    void removeName();

    QLineEdit *m_name;
    QPushButton *m_addButton;
    QListWidget *m_names;
    QPushButton *m_removeButton;
    TextLabel *m_count;
    Add m_add;
    Remove m_remove;
};
