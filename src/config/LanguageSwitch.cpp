#include "LanguageSwitch.h"

#include "LanguageControls.h"
#include "LocalFiles.h"
#include "TForm5.h"
#include "app/TForm1.h"
#include "platform/BrowserControl.h"
#include "platform/TextLabel.h"
#include "platform/WindowTimer.h"
#include "web/CommunityUrls.h"

LanguageSwitch::LanguageSwitch(Launcher &launcher) : m_launcher(launcher)
{
    TForm1 *main = launcher.form1();
    main->controls().build(languageControls());
    ControlEvents &events = main->controls().events();
    events.onClick(QStringLiteral("Image2"), [this] { Image2Click(); });
    events.onClick(QStringLiteral("Image3"), [this] { Image3Click(); });
    // The border of a frame around its flag is part of that flag.
    events.onClick(QStringLiteral("Label5"), [this] { Image2Click(); });
    events.onClick(QStringLiteral("Label6"), [this] { Image3Click(); });
    launcher.hooks().languageLoad = [this] { languageLoad(); };
}

LanguageSwitch::Language LanguageSwitch::current() const
{
    return m_launcher.form1()->control(QStringLiteral("Label1"))->isHidden() ? Language::Czech : Language::English;
}

void LanguageSwitch::languageLoad()
{
    const bool english = LocalFiles::selectsEnglish(m_launcher.files().read(LocalFiles::languageType));
    if (english)
        apply(Language::English);
    loadNews(english ? Language::English : Language::Czech);
    m_launcher.form1()->control<BrowserControl>(QStringLiteral("WebBrowser1"))->navigate(CommunityUrls::statusOverview());
}

void LanguageSwitch::Image2Click()
{
    if (current() != Language::Czech)
        switchTo(Language::Czech);
}

void LanguageSwitch::Image3Click()
{
    if (current() != Language::English)
        switchTo(Language::English);
}

// A failed write of lng.dat leaves the new state on screen and the news page unloaded.
void LanguageSwitch::switchTo(Language language)
{
    apply(language);
    m_launcher.files().write(LocalFiles::languageType,
                             QLatin1String(language == Language::English ? LocalFiles::english : LocalFiles::czech));
    loadNews(language);
}

void LanguageSwitch::apply(Language language)
{
    const bool english = language == Language::English;
    TForm1 *main = m_launcher.form1();
    for (const LanguageCaption &row : languageCaptions()) {
        if (auto *label = main->control<TextLabel>(QLatin1String(row.control)))
            label->setCaption(QString::fromUtf8(english ? row.english : row.czech));
    }
    for (const LanguageVisibility &row : languageVisibilities()) {
        const bool onMain = QLatin1String(row.window) == QLatin1String("TForm1");
        QWidget *control = onMain ? main->control(QLatin1String(row.control))
                                  : m_launcher.form5()->control(QLatin1String(row.control));
        // The settings window's headings belong to it and may be missing.
        if (control)
            control->setVisible(row.shownInEnglish == english);
    }
    main->timer(QStringLiteral("Timer1"))->setEnabled(true);
}

void LanguageSwitch::loadNews(Language language)
{
    m_launcher.form1()->control<BrowserControl>(QStringLiteral("WebBrowser2"))
        ->navigate(language == Language::English ? CommunityUrls::newsEnglish() : CommunityUrls::newsCzech());
}
