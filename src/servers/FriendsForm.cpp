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

const WindowFrame friendsFrame = {.name = "FriendsWindow", .caption = "OVCL - Přátelé / Friends", .client = {262, 248},
                                  .position = {-1, -1}, .flags = Form::toolWindow(), .fixedSize = true,
                                  .background = Qt::black, .font = "Tahoma"};

const std::vector<ControlRow> &friendsControls()
{
    static const std::vector<ControlRow> rows = {
        {.name = "FriendName", .kind = ControlKind::Edit, .left = 8, .top = 10, .width = 160, .height = 20,
         .content = "", .hint = "Jméno hráče / Player name"},
        {.name = "AddFriend", .kind = ControlKind::Button, .left = 174, .top = 8, .width = 80, .height = 24,
         .content = "Přidat / Add"},
        {.name = "FriendNames", .kind = ControlKind::List, .left = 8, .top = 38, .width = 246, .height = 166,
         .style = listStyle},
        {.name = "FriendCount", .kind = ControlKind::Label, .left = 8, .top = 218, .width = 100, .height = 16,
         .content = "0/50", .style = text},
        {.name = "RemoveFriend", .kind = ControlKind::Button, .left = 134, .top = 214, .width = 120, .height = 24,
         .content = "Odebrat / Remove"},
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
