#include "LanguageSwitch.h"

#include "LocalFiles.h"
#include "TForm5.h"
#include "app/TForm1.h"
#include "platform/browser/BrowserControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"

LanguageSwitch::LanguageSwitch(TForm1 &mainWindow, TForm5 &settings, LocalFiles &files,
                               const LanguageTargets &targets, LanguagePages pages)
    : m_mainWindow(mainWindow), m_settings(settings), m_files(files), m_targets(targets), m_pages(std::move(pages))
{
    ControlHost &host = mainWindow.controls();
    host.build(flagFrames());
    const PictureButton czech = host.build(Flags::czech);
    const PictureButton english = host.build(Flags::english);
    host.build(greetings());
    for (const LanguageVisibility &row : languageVisibilities())
        m_shownInEnglish.emplace_back(host.get(row.control), row.shownInEnglish);
    m_englishWelcome = host.get("Label1");

    host.onClick(czech, [this] { Image2Click(); });
    host.onClick(english, [this] { Image3Click(); });
    // The border of a frame around its flag is part of that flag.
    host.onClick(host.get("Label5"), [this] { Image2Click(); });
    host.onClick(host.get("Label6"), [this] { Image3Click(); });
}

LanguageSwitch::Language LanguageSwitch::current() const
{
    return m_englishWelcome->isHidden() ? Language::Czech : Language::English;
}

void LanguageSwitch::languageLoad()
{
    const bool english = LocalFiles::selectsEnglish(m_files.read(LocalFiles::languageType));
    if (english)
        apply(Language::English);
    loadNews(english ? Language::English : Language::Czech);
    m_targets.status->navigate(m_pages.status);
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
    m_files.write(LocalFiles::languageType,
                  QLatin1String(language == Language::English ? LocalFiles::english : LocalFiles::czech));
    loadNews(language);
}

void LanguageSwitch::apply(Language language)
{
    const bool english = language == Language::English;
    for (const LanguageCaption &row : languageCaptions())
        (m_targets.*row.label)->setCaption(QString::fromUtf8(english ? row.english : row.czech));
    m_settings.showHeading(english);
    for (const auto &[control, shownInEnglish] : m_shownInEnglish)
        control->setVisible(shownInEnglish == english);
    m_mainWindow.timers().languageTimer->setEnabled(true);
    for (const auto &listener : m_listeners)
        listener();
}

void LanguageSwitch::loadNews(Language language)
{
    m_targets.news->navigate(language == Language::English ? m_pages.englishNews : m_pages.czechNews);
}
