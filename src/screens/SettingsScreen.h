#pragma once

#include <QColor>
#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QStackedWidget;
class SettingsDataSyncPage;

// The preferences window's content: a side list of four pages (General,
// Register, Data & Sync, About). Every control writes its preference the moment
// it changes; building the screen writes nothing. The look is changed through
// the state's theme manager, which the window layer attaches.
class SettingsScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsScreen(AppState* state, QWidget* parent = nullptr);

    // The deleted accounts and the sync status, which change while the window is closed.
    void refresh();

signals:
    // A deleted account came back, or a backup was restored: the account list reloads.
    void deletedAccountRestored();

public slots:
    // Restores the account chosen in the Data & Sync page's list of deleted accounts.
    void restoreSelectedAccount();

private slots:
    void onCategoryChanged(int row);
    void onThemeChanged(int index);
    void onFontScaleChanged(int index);
    void onWeekStartChanged(int index);
    void onDashboardBalanceChanged(int index);
    void onLanguageChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    void onAutoDecimalChanged(bool checked);
    void onHighlightOverdrawnChanged(bool checked);
    void onAccentChanged(const QColor& color);
    void openAccentDialog();

private:
    void addPage(const QString& label, char16_t glyph, QWidget* page);
    QWidget* buildGeneralPage();
    QWidget* buildRegisterPage();
    QWidget* buildAboutPage();
    QCheckBox* makeCheckBox(QWidget* page, const QString& text, const char* name, const QString& key,
                            bool defaultValue, void (SettingsScreen::*slot)(bool));

    AppState* m_state;
    QListWidget* m_categoryList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QComboBox* m_themeCombo = nullptr;
    QPushButton* m_accentButton = nullptr;
    QComboBox* m_fontSizeCombo = nullptr;
    QComboBox* m_weekStartCombo = nullptr;
    QComboBox* m_languageCombo = nullptr;
    QComboBox* m_balanceModeCombo = nullptr;
    SettingsDataSyncPage* m_dataSyncPage = nullptr;
};
