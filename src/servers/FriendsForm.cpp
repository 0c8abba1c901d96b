#include "FriendsForm.h"

#include "FriendList.h"
#include "platform/controls/TextLabel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr const char *text = "color: white; font-weight: bold;";
constexpr const char *listStyle = "QListWidget { background: #101010; color: white; border: 1px solid #c86414; }"
                                  "QListWidget::item:selected { background: #c86414; color: black; }";

const WindowFrame friendsFrame = {"FriendsWindow", "OVCL - Přátelé / Friends", {262, 248}, {-1, -1},
                                  Form::toolWindow(), true, Qt::black, {}, "Tahoma"};

const std::vector<ControlRow> &friendsControls()
{
    static const std::vector<ControlRow> rows = {
        {"FriendName", ControlKind::Edit, 8, 10, 160, 20, "", "Jméno hráče / Player name"},
        {"AddFriend", ControlKind::Button, 174, 8, 80, 24, "Přidat / Add"},
        {"FriendNames", ControlKind::List, 8, 38, 246, 166, nullptr, nullptr, Qt::ArrowCursor, true, 0, listStyle},
        {"FriendCount", ControlKind::Label, 8, 218, 100, 16, "0/50", nullptr, Qt::ArrowCursor, true, 0, text},
        {"RemoveFriend", ControlKind::Button, 134, 214, 120, 24, "Odebrat / Remove"},
    };
    return rows;
}
} // namespace

FriendsForm::FriendsForm(ErrorReporter &errors, BrowserFactory &browsers) : Form(friendsFrame, errors, browsers)
{
    ControlHost &host = controls();
    host.build(friendsControls());
    m_name = host.get<QLineEdit>("FriendName");
    m_addButton = host.get<QPushButton>("AddFriend");
    m_names = host.get<QListWidget>("FriendNames");
    m_removeButton = host.get<QPushButton>("RemoveFriend");
    m_count = host.get<TextLabel>("FriendCount");
    m_name->setMaxLength(FriendList::MaxLength);
    m_name->setFrame(true);
    m_addButton->setDefault(true);
    m_removeButton->setAutoDefault(false);
    host.onClick(m_addButton, [this] { addName(); });
    host.onClick(m_removeButton, [this] { removeName(); });
    host.describe({{QStringLiteral("FriendName"), QStringLiteral("Jméno hráče / Player name"), QString()},
                   {QStringLiteral("FriendNames"), QStringLiteral("Přátelé / Friends"), QString()}});
}

void FriendsForm::showNames(const QStringList &names)
{
    m_names->clear();
    m_names->addItems(names);
    m_count->setCaption(QStringLiteral("%1/%2").arg(names.size()).arg(FriendList::MaxNames));
    m_addButton->setEnabled(names.size() < FriendList::MaxNames);
    m_removeButton->setEnabled(!names.isEmpty());
}

void FriendsForm::addName()
{
    if (!m_add)
        return;
    if (const std::optional<QStringList> names = m_add(m_name->text())) {
        showNames(*names);
        m_name->clear();
    }
    m_name->setFocus();
}

void FriendsForm::removeName()
{
    const int row = m_names->currentRow();
    if (!m_remove || row < 0)
        return;
    showNames(m_remove(row));
    m_names->setCurrentRow(std::min(row, m_names->count() - 1));
}
