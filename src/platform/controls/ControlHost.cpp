#include "ControlHost.h"

#include "PictureControl.h"

ControlHost::ControlHost(QWidget *window, ErrorReporter *errors, BrowserFactory *browsers)
    : m_window(window), m_events(new ControlEvents(errors, window)), m_builder(window, browsers)
{
    window->setMouseTracking(true);
}

PictureButton ControlHost::build(const PictureButtonRow &row)
{
    const QRect &p = row.place;
    std::vector<ControlRow> rows = {
        {.name = row.name, .kind = ControlKind::Picture, .left = p.x(), .top = p.y(), .width = p.width(),
         .height = p.height(), .content = row.picture, .hint = row.hint, .cursor = row.cursor, .layer = 1},
    };
    if (row.twin) {
        const QSize size = row.twinSize.isEmpty() ? p.size() : row.twinSize;
        rows.push_back({.name = row.twin, .kind = ControlKind::Picture, .left = p.x(), .top = p.y(),
                        .width = size.width(), .height = size.height(), .content = row.twinPicture, .hint = row.hint,
                        .cursor = row.twinCursor, .visible = false, .layer = 2});
    }
    m_builder.build(rows);
    PictureButton button{get<PictureControl>(row.name), row.twin ? get<PictureControl>(row.twin) : nullptr};
    if (row.description) {
        const QString name = row.accessibleName ? QString::fromUtf8(row.accessibleName) : QString();
        std::vector<AccessibleText> texts = {{QLatin1String(row.name), name, QString::fromUtf8(row.description)}};
        if (row.twin)
            texts.push_back({QLatin1String(row.twin), name, QString::fromUtf8(row.description)});
        describe(texts);
    }
    return button;
}

ControlHost::ClickTarget::ClickTarget(const PictureButton &button) : first(button.picture), second(button.twin)
{
}

void ControlHost::onClick(const ClickTarget &target, const ControlEvents::Handler &handler)
{
    m_events->onClick(target.first, handler);
    if (target.second)
        m_events->onClick(target.second, handler);
}

void ControlHost::describe(const std::vector<AccessibleText> &texts)
{
    for (const AccessibleText &text : texts) {
        QWidget *control = get(qPrintable(text.control));
        control->setAccessibleName(text.name.isEmpty() ? control->toolTip() : text.name);
        control->setAccessibleDescription(text.description);
    }
}

void ControlHost::missing(const char *name)
{
    qFatal("No control is called %s", name);
}
