#include "ui/editor/editor_main.h"

#include "datafiles/countries.h"
#include "datafiles/team_check.h"
#include "editor/editor_texts.h"
#include "editor/file_names.h"
#include "editor/list_sort.h"
#include "editor/web_export.h"
#include "foundation/format_text.h"
#include "foundation/picture_file.h"
#include "foundation/texts.h"
#include "ui/common/checked_picture.h"
#include "ui/common/kol_form.h"
#include "ui/common/object_list_view.h"
#include "ui/common/object_row_delegate.h"
#include "ui/common/qt_text.h"
#include "ui/editor/analysis_dlg.h"
#include "ui/editor/cant_save_team_dlg.h"
#include "ui/editor/length_hint.h"
#include "ui/editor/player_properties_dlg.h"
#include "ui/editor/referee_dlg.h"
#include "ui/editor/set_country_dlg.h"
#include "ui/editor/storable_text.h"
#include "ui/editor/team_color_dlg.h"
#include "ui/editor/team_properties_dlg.h"

#include <QAbstractListModel>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <iostream>

namespace {

QString TeamPlainText(const TKolObject* o) {
    return ToQString(static_cast<const TEditorTeam*>(o)->attr.ShortName());
}
// The validity mark explained: the team check's findings in words.
QString TeamToolTip(const TKolObject* o) {
    const auto* team = static_cast<const TEditorTeam*>(o);
    if (team->valid) return ToQString(GetText(kTxtValidTeam));
    QStringList lines{ToQString(GetText(kTxtInvalidTeam))};
    for (const QString& reason : TCantSaveTeamDlg::ReasonLines(team->checkFlags))
        lines << QStringLiteral("- ") + reason;
    return lines.join('\n');
}

QString PlayerPlainText(const TKolObject* o) {
    return ToQString(static_cast<const TEditorPlayer*>(o)->attr.Name());
}
QString RefereePlainText(const TKolObject* o) {
    return ToQString(static_cast<const TEditorReferee*>(o)->Name());
}

template <class T> std::vector<TKolObject*> ObjectsOf(TKolList<T>& list) {
    list.Pack();
    return std::vector<TKolObject*>(list.begin(), list.end());
}

QString Hex(TColor color) {
    return ToQColor(color).name();
}

} // namespace

// ---- construction ----

namespace {
// Where the window size is kept: the program's settings, or a file a test names.
QString& GeometryStorePath() {
    static QString path;
    return path;
}
std::unique_ptr<QSettings> GeometryStore() {
    if (!GeometryStorePath().isEmpty())
        return std::make_unique<QSettings>(GeometryStorePath(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Kolbrin"), QStringLiteral("2002"));
}
constexpr const char* kGeometryKey = "EditorWindow/geometry";
} // namespace

void TeditorMain::SetGeometryStore(const QString& iniPath) {
    GeometryStorePath() = iniPath;
}

void TeditorMain::RestoreGeometry() {
    // The size the user left the window at; the first time, 1200 x 760 or the screen's free area when
    // that is smaller (a 1366 x 768 screen at 150 % leaves about 910 x 480).
    const QByteArray saved = GeometryStore()->value(QLatin1String(kGeometryKey)).toByteArray();
    if (!saved.isEmpty() && restoreGeometry(saved)) return;
    QSize size(1200, 760);
    if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

void TeditorMain::SaveGeometry() const {
    auto store = GeometryStore();
    store->setValue(QLatin1String(kGeometryKey), saveGeometry());
    store->sync();
}

TeditorMain::TeditorMain(TEditorOptions options, QWidget* parent)
    : QMainWindow(parent), model_(std::make_unique<TEditorModel>(std::move(options))) {
    setObjectName("editorMain");
    setWindowTitle(QStringLiteral("Kolbrin 2002 Editor"));
    if (model_->Options().loadTeams) model_->LoadTeams();
    if (model_->Options().loadReferees) model_->LoadReferees();

    BuildPages();
    BuildMenus();
    for (int i = 0; i < 4; ++i) {
        status_[i] = new QLabel(this);
        status_[i]->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        status_[i]->setFrameShape(QFrame::StyledPanel);
        status_[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(status_[i]);
    }
    ApplyFormTexts(this);
    setWindowTitle(QStringLiteral("Kolbrin 2002 Editor"));
    // The menu shows the keys of the focus-dependent actions after a tab, as it does for its own shortcuts.
    for (auto [name, key] : {std::pair{"MenuPlayerRemove", Qt::Key_Delete},
                             {"menuDeleteReferee", Qt::Key_Delete},
                             {"menuPlayerEdit", Qt::Key_F2},
                             {"menuEditReferee", Qt::Key_F2}}) {
        QAction* a = Action(name);
        a->setIconText(a->text().trimmed());
        a->setText(a->text().trimmed() + '\t' + QKeySequence(key).toString(QKeySequence::NativeText));
    }
    RestoreGeometry();

    RefreshLists();
    ApplyTeamPage();
    if (!model_->LoadProblems().empty() || !model_->RefereeProblem().empty() ||
        !model_->TeamFolderProblem().empty())
        QTimer::singleShot(0, this, &TeditorMain::ShowLoadProblems);
}

TeditorMain::~TeditorMain() {
    // The lists go before the model whose objects their rows point at.
    for (TObjectListView* list : {teams_, teamPlayers_, allPlayers_, referees_}) list->model->SetObjects({});
}

void TeditorMain::BuildPages() {
    static const TEditorTeam teamPrototype;
    static const TEditorPlayer playerPrototype;
    static const TEditorReferee refereePrototype;

    teams_ = new TObjectListView(teamPrototype, 0, 0, this);
    teams_->setObjectName("teamsList");
    teams_->view->setObjectName("ListBoxOfTeams");
    teams_->model->plainText = TeamPlainText;
    teams_->model->toolTip = TeamToolTip;
    // The country column shows the country's flag in front of its code.
    constexpr int kCountryColumn = 2;
    teams_->delegate->ShowFlags(DataDir(), teams_->ColumnLeft(kCountryColumn), [](const TKolObject* o) {
        return static_cast<const TEditorTeam*>(o)->attr.Country();
    });
    teams_->model->onDrop = [this](TKolObject* object, int row) {
        auto* player = static_cast<TEditorPlayer*>(object);
        return ListBoxOfTeamsDragDrop(player, static_cast<TEditorTeam*>(teams_->model->ObjectAt(row)));
    };
    teams_->view->setAcceptDrops(true);
    teams_->view->setDropIndicatorShown(true);
    teams_->view->setDragDropMode(QAbstractItemView::DropOnly);
    teams_->view->setDragDropOverwriteMode(true);
    // Narrow enough that the window fits a 1366 x 768 screen at 150 % (about 910 pixels across).
    teams_->setMinimumWidth(260);

    // The team page: the selected team in its own colours over its squad.
    auto* teamPage = new QWidget(this);
    teamPanel_ = new QFrame(teamPage);
    teamPanel_->setObjectName("teamPanel");
    teamPanel_->setFrameShape(QFrame::StyledPanel);
    flagBtn_ = new QToolButton(teamPanel_);
    flagBtn_->setObjectName("flagBtn");
    flagBtn_->setAutoRaise(true);
    flagBtn_->setIconSize(QSize(48, 32));
    flagBtn_->setFixedSize(56, 40);
    nameEdit_ = new QLineEdit(teamPanel_);
    nameEdit_->setObjectName("nameEdit");
    nameEdit_->setMaxLength(TTeamAttr::kNameWidth);
    QFont big = nameEdit_->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    nameEdit_->setFont(big);
    shortNameEdit_ = new QLineEdit(teamPanel_);
    shortNameEdit_->setObjectName("shortNameEdit");
    shortNameEdit_->setMaxLength(TTeamAttr::kShortNameWidth);
    coachEdit_ = new QLineEdit(teamPanel_);
    coachEdit_->setObjectName("coachEdit");
    coachEdit_->setMaxLength(TCoachAttr::kNameWidth);
    fileNameEdit_ = new QLineEdit(teamPanel_);
    fileNameEdit_->setObjectName("fileNameEdit");
    fileNameEdit_->setMaxLength(static_cast<int>(TEditorModel::kFileNamePartWidth));
    SetFileNameRules(fileNameEdit_);
    ShowLengthHints({nameEdit_, shortNameEdit_, coachEdit_, fileNameEdit_});
    countryLabel_ = new QLabel(teamPanel_);
    folderLabel_ = new QLabel(teamPanel_);
    levelBar_ = new QSlider(Qt::Horizontal, teamPanel_);
    levelBar_->setObjectName("levelBar");
    levelBar_->setRange(1, 20);
    levelBar_->setPageStep(1);
    levelBar_->setMaximumWidth(200);
    levelValue_ = new QLabel(teamPanel_);
    levelValue_->setMinimumWidth(22);
    errorsLabel_ = new QLabel(teamPanel_);
    errorsLabel_->setObjectName("errorsLabel");
    errorsLabel_->setWordWrap(true);
    errorsBtn_ = new QPushButton(teamPanel_);
    errorsBtn_->setObjectName("errorsBtn");
    SetTextTag(errorsBtn_, kTxtDisplayErrors);
    auto* propertiesBtn = new QPushButton(teamPanel_);
    SetTextTag(propertiesBtn, kTxtTeamProperties);
    auto* coloursBtn = new QPushButton(teamPanel_);
    SetTextTag(coloursBtn, kTxtColoursButton);

    auto label = [this](int tag) {
        auto* l = new QLabel(teamPanel_);
        SetTextTag(l, tag);
        return l;
    };
    auto* top = new QHBoxLayout;
    top->addWidget(flagBtn_);
    top->addWidget(nameEdit_, 1);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->addWidget(label(kTxtShortNameLabel), 0, 0);
    fields->addWidget(shortNameEdit_, 0, 1);
    fields->addWidget(label(kTxtCoachLabel), 0, 2);
    fields->addWidget(coachEdit_, 0, 3);
    fields->addWidget(label(kTxtCountryLabel), 1, 0);
    fields->addWidget(countryLabel_, 1, 1);
    fields->addWidget(label(kTxtLevelLabel), 1, 2);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(levelBar_, 1);
    levelRow->addWidget(levelValue_);
    fields->addLayout(levelRow, 1, 3);
    fields->addWidget(label(kTxtFileNameLabel), 2, 0);
    fields->addWidget(fileNameEdit_, 2, 1);
    fields->addWidget(label(kTxtColFolder), 2, 2);
    fields->addWidget(folderLabel_, 2, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(errorsLabel_, 1);
    buttons->addWidget(propertiesBtn);
    buttons->addWidget(coloursBtn);
    buttons->addWidget(errorsBtn_);
    // The keyboard goes through the page as the eye reads it: row by row, then the buttons.
    QWidget* order[] = {flagBtn_,      nameEdit_,     shortNameEdit_, coachEdit_, levelBar_,
                        fileNameEdit_, propertiesBtn, coloursBtn,     errorsBtn_};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    auto* panelLayout = new QVBoxLayout(teamPanel_);
    panelLayout->addLayout(top);
    panelLayout->addLayout(fields);
    panelLayout->addLayout(buttons);

    teamPlayers_ = new TObjectListView(playerPrototype, kPlayerRowInTeam, kPlayerRowInTeam, teamPage);
    teamPlayers_->setObjectName("teamPlayersList");
    teamPlayers_->view->setObjectName("ListBoxOfPlayers");
    teamPlayers_->model->plainText = PlayerPlainText;
    teamPlayers_->model->dragObjects = true;
    teamPlayers_->view->setDragEnabled(true);
    teamPlayers_->view->setDragDropMode(QAbstractItemView::DragOnly);
    auto* pageLayout = new QVBoxLayout(teamPage);
    pageLayout->addWidget(teamPanel_);
    pageLayout->addWidget(teamPlayers_, 1);

    allPlayers_ = new TObjectListView(playerPrototype, kPlayerRowAll, kPlayerRowAll, this);
    allPlayers_->setObjectName("allPlayersList");
    allPlayers_->view->setObjectName("ListBoxOfAllPlayers");
    allPlayers_->model->plainText = PlayerPlainText;
    allPlayers_->model->dragObjects = true;
    allPlayers_->view->setDragEnabled(true);
    allPlayers_->view->setDragDropMode(QAbstractItemView::DragOnly);
    referees_ = new TObjectListView(refereePrototype, 0, 0, this);
    referees_->setObjectName("refereesList");
    referees_->view->setObjectName("ListBoxOfReferees");
    referees_->model->plainText = RefereePlainText;

    pages_ = new QTabWidget(this);
    pages_->setObjectName("pages");
    pages_->addTab(teamPage, QString::number(kTxtPageTeams));
    pages_->addTab(allPlayers_, QString::number(kTxtPageAllPlayers));
    pages_->addTab(referees_, QString::number(kTxtPageReferees));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(teams_);
    splitter->addWidget(pages_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({460, 740});
    setCentralWidget(splitter);

    // Selection: a team fills the team page; a player is selected in both player lists.
    connect(teams_->view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!updating_) SelectTeam(static_cast<TEditorTeam*>(teams_->Current()));
    });
    connect(teamPlayers_->view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!updating_) SelectPlayer(static_cast<TEditorPlayer*>(teamPlayers_->Current()));
    });
    connect(allPlayers_->view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!updating_) SelectPlayer(static_cast<TEditorPlayer*>(allPlayers_->Current()));
    });
    connect(referees_->view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (!updating_) SelectReferee(static_cast<TEditorReferee*>(referees_->Current()));
    });
    connect(teams_->view, &QListView::activated, this, &TeditorMain::menuTeamPropertiesClick);
    connect(teamPlayers_->view, &QListView::activated, this, &TeditorMain::menuPlayerEditClick);
    connect(allPlayers_->view, &QListView::activated, this, &TeditorMain::menuPlayerEditClick);
    connect(referees_->view, &QListView::activated, this, &TeditorMain::menuEditRefereeClick);
    connect(teams_->header, &QHeaderView::sectionClicked, this, &TeditorMain::hcAllTeamsSectionClick);
    connect(teamPlayers_->header, &QHeaderView::sectionClicked, this,
            &TeditorMain::hcTeamPlayersSectionClick);
    connect(allPlayers_->header, &QHeaderView::sectionClicked, this, &TeditorMain::hcAllPlayersSectionClick);
    connect(referees_->header, &QHeaderView::sectionClicked, this, &TeditorMain::hcAllRefereesSectionClick);

    // In-place edits of the team page.
    const auto namesEdited = [this] {
        if (!selectedTeam_ || updating_) return;
        if (!TeamPageTextsStorable()) return;
        const std::string name = FromQString(nameEdit_->text());
        const std::string shortName = FromQString(shortNameEdit_->text());
        const std::string coach = FromQString(coachEdit_->text());
        TEditorTeam& t = *selectedTeam_;
        if (name == t.attr.Name() && shortName == t.attr.ShortName() && coach == t.coach->attr.Name()) return;
        model_->SetNames(t, name, shortName, coach);
        RefreshLists();
        ApplyTeamPage();
    };
    connect(nameEdit_, &QLineEdit::editingFinished, this, namesEdited);
    connect(shortNameEdit_, &QLineEdit::editingFinished, this, namesEdited);
    connect(coachEdit_, &QLineEdit::editingFinished, this, namesEdited);
    connect(fileNameEdit_, &QLineEdit::editingFinished, this, [this] {
        if (!selectedTeam_ || updating_) return;
        if (!TeamPageTextsStorable()) return;
        model_->SetFileNamePart(*selectedTeam_, FromQString(fileNameEdit_->text()));
        RefreshLists();
        ApplyTeamPage();
    });
    connect(levelBar_, &QSlider::valueChanged, this, [this](int level) {
        levelValue_->setNum(level);
        if (!selectedTeam_ || updating_) return;
        model_->SetLevel(*selectedTeam_, level);
        RefreshLists();
        ApplyTeamPage();
    });
    connect(flagBtn_, &QToolButton::clicked, this, [this] {
        if (!selectedTeam_) return;
        std::string code = selectedTeam_->attr.Country();
        if (!PickCountry(code, DataDir(), this)) return;
        model_->SetCountry(*selectedTeam_, code);
        RefreshLists();
        ApplyTeamPage();
    });
    connect(coloursBtn, &QPushButton::clicked, this, [this] {
        if (!selectedTeam_) return;
        TTeamColorDlg dlg(selectedTeam_->attr.Color1(), selectedTeam_->attr.Color2(),
                          ToQString(selectedTeam_->attr.ShortName()), this);
        if (dlg.exec() != QDialog::Accepted) return;
        TTeamProperties p = model_->PropertiesOf(*selectedTeam_);
        p.color1 = dlg.TextColor();
        p.color2 = dlg.BackColor();
        model_->ApplyTeamProperties(*selectedTeam_, p);
        RefreshLists();
        ApplyTeamPage();
    });
    connect(propertiesBtn, &QPushButton::clicked, this, &TeditorMain::menuTeamPropertiesClick);
    connect(errorsBtn_, &QPushButton::clicked, this, &TeditorMain::menuTeamDisplayErrorsClick);
}

void TeditorMain::BuildMenus() {
    auto make = [this](QMenu* menu, const char* name, int tag, const QKeySequence& key, auto slot) {
        auto* a = new QAction(this);
        a->setObjectName(name);
        SetTextTag(a, tag);
        if (!key.isEmpty()) a->setShortcut(key);
        connect(a, &QAction::triggered, this, slot);
        menu->addAction(a);
        return a;
    };
    auto menu = [this](const char* name, int tag) {
        QMenu* m = menuBar()->addMenu(QString());
        m->setObjectName(name);
        SetTextTag(m, tag);
        SetTextTag(m->menuAction(), tag);
        return m;
    };

    QMenu* file = menu("menuFile", kTxtMenuFile);
    make(file, "webSiteBuild", kTxtBuildWebSite, QKeySequence(Qt::CTRL | Qt::Key_B),
         &TeditorMain::webSiteBuildBtnClick);
    file->addSeparator();
    make(file, "exit", kTxtSaveAndExit, QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { exitBtnMouseDown(); });
    make(file, "exitWithoutSaving", kTxtExitWithoutSaving, QKeySequence(),
         [this] { exitWithoutSavingClick(); });

    QMenu* team = menu("menuTeam", kTxtMenuTeam);
    make(team, "menuTeamNew", kTxtNewTeam, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
         &TeditorMain::menuTeamNewClick);
    make(team, "menuTeamProperties", kTxtTeamProperties, QKeySequence(Qt::ALT | Qt::Key_Return),
         &TeditorMain::menuTeamPropertiesClick);
    team->addSeparator();
    QAction* provisory = make(team, "menuTeamProvisory", kTxtProvisory, QKeySequence(Qt::CTRL | Qt::Key_P),
                              &TeditorMain::menuTeamProvisoryClick);
    QAction* effective = make(team, "menuTeamEfective", kTxtEffective, QKeySequence(Qt::CTRL | Qt::Key_E),
                              &TeditorMain::menuTeamEfectiveClick);
    provisory->setCheckable(true);
    effective->setCheckable(true);
    auto* group = new QActionGroup(this);
    group->addAction(provisory);
    group->addAction(effective);
    make(team, "menuTeamRemove", kTxtRemoveTeam, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete),
         &TeditorMain::menuTeamRemoveClick);
    team->addSeparator();
    make(team, "menuTeamDisplayErrors", kTxtDisplayErrors, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
         &TeditorMain::menuTeamDisplayErrorsClick);
    make(team, "Reordenar1", kTxtSortPlayers, QKeySequence(Qt::CTRL | Qt::Key_L),
         &TeditorMain::Reordenar1Click);

    QMenu* player = menu("menuPlayer", kTxtMenuPlayer);
    make(player, "MenuPlayerNew", kTxtNewPlayer, QKeySequence(Qt::CTRL | Qt::Key_N),
         &TeditorMain::MenuPlayerNewClick);
    make(player, "menuPlayerEdit", kTxtEditPlayer, QKeySequence(Qt::Key_F2),
         &TeditorMain::menuPlayerEditClick);
    make(player, "menuPlayerStar", kTxtStarPlayer, QKeySequence(Qt::CTRL | Qt::Key_M),
         &TeditorMain::menuPlayerStarClick);
    // Delete has no window-wide shortcut: it acts on the list that has the focus (see eventFilter).
    make(player, "MenuPlayerRemove", kTxtRemovePlayer, QKeySequence(), &TeditorMain::MenuPlayerRemoveClick);

    QMenu* referee = menu("menuReferee", kTxtMenuReferee);
    make(referee, "menuNewReferee", kTxtNewReferee, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
         &TeditorMain::menuNewRefereeClick);
    make(referee, "menuEditReferee", kTxtEditReferee, QKeySequence(), &TeditorMain::menuEditRefereeClick);
    make(referee, "menuDeleteReferee", kTxtDeleteReferee, QKeySequence(),
         &TeditorMain::menuDeleteRefereeClick);

    QMenu* tools = menu("menuTools", kTxtMenuTools);
    make(tools, "analyse", kTxtAnalysis, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
         &TeditorMain::analyseBtnClick);
    tools->addAction(Action("webSiteBuild"));

    // Delete and F2 act on the list that has the focus (see eventFilter): the referee list deletes and
    // edits referees, the player lists players, the team list removes or edits its team.
    for (QListView* view : {teams_->view, teamPlayers_->view, allPlayers_->view, referees_->view})
        view->installEventFilter(this);

    QToolBar* bar = addToolBar(QString());
    bar->setObjectName("toolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char* name : {"menuTeamNew", "menuTeamProperties", "MenuPlayerNew", "menuPlayerEdit",
                             "menuPlayerStar", "analyse", "webSiteBuild", "exit"}) {
        bar->addAction(Action(name));
        if (std::string(name) == "menuTeamProperties" || std::string(name) == "menuPlayerStar" ||
            std::string(name) == "webSiteBuild")
            bar->addSeparator();
    }
}

QAction* TeditorMain::Action(const char* objectName) const {
    return findChild<QAction*>(QString::fromLatin1(objectName));
}

QListView* TeditorMain::TeamsView() const {
    return teams_->view;
}
QListView* TeditorMain::TeamPlayersView() const {
    return teamPlayers_->view;
}
QListView* TeditorMain::AllPlayersView() const {
    return allPlayers_->view;
}
QListView* TeditorMain::RefereesView() const {
    return referees_->view;
}

// ---- showing state ----

void TeditorMain::RefreshLists() {
    updating_ = true;
    teams_->model->SetObjects(ObjectsOf(model_->Teams()));
    std::vector<TKolObject*> squad;
    if (selectedTeam_) squad = ObjectsOf(selectedTeam_->players);
    teamPlayers_->model->SetObjects(squad);
    allPlayers_->model->SetObjects(ObjectsOf(model_->Players()));
    referees_->model->SetObjects(ObjectsOf(model_->Referees()));
    teams_->Select(selectedTeam_);
    teamPlayers_->Select(selectedPlayer_);
    allPlayers_->Select(selectedPlayer_);
    referees_->Select(selectedReferee_);
    updating_ = false;
    RefreshStatus();
    UpdateActions();
}

QString TeditorMain::FileDateText(const TEditorTeam& team) const {
    if (!team.hasFileDate) return QString();
    const auto sys = std::chrono::file_clock::to_sys(team.fileDate);
    const auto secs = std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
    // The program's locale is the chosen language's (set at start), not the system's.
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(secs), QLocale::ShortFormat);
}

void TeditorMain::RefreshStatus() {
    const int counts[3] = {model_->Teams().Count(), model_->Players().Count(), model_->Referees().Count()};
    const int texts[3] = {kTxtTeamsCount, kTxtPlayersCount, kTxtRefereesCount};
    // Each panel is as wide as its caption with a five-digit count (the date panel: with a date and time of
    // the language's own format), so a count or a date never changes the bar's layout and no text is cut.
    const QFontMetrics metrics(status_[0]->font());
    const int margin = 2 * status_[0]->frameWidth() + 2 * status_[0]->margin() + 12;
    for (int i = 0; i < 3; ++i) {
        const QString caption = ToQString(GetText(texts[i])) + ' ';
        status_[i]->setMinimumWidth(metrics.horizontalAdvance(caption + QStringLiteral("00000")) + margin);
        status_[i]->setText(caption + QString::number(counts[i]));
    }
    const QString sampleDate =
        QLocale().toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)), QLocale::ShortFormat);
    status_[3]->setMinimumWidth(
        metrics.horizontalAdvance(ToQString(GetText(kTxtFileDate)) + ' ' + sampleDate + "00") + margin);
    status_[3]->setText(selectedTeam_ ? ToQString(GetText(kTxtFileDate)) + ' ' + FileDateText(*selectedTeam_)
                                      : QString());
}

void TeditorMain::UpdateActions() {
    const bool team = selectedTeam_ != nullptr;
    const bool player = selectedPlayer_ != nullptr;
    for (const char* name : {"menuTeamProperties", "menuTeamProvisory", "menuTeamEfective",
                             "menuTeamDisplayErrors", "Reordenar1", "MenuPlayerNew"})
        Action(name)->setEnabled(team);
    Action("menuTeamRemove")->setEnabled(team && selectedTeam_->currentProvisory);
    Action("menuTeamProvisory")->setChecked(team && selectedTeam_->currentProvisory);
    Action("menuTeamEfective")->setChecked(team && !selectedTeam_->currentProvisory);
    for (const char* name : {"menuPlayerEdit", "menuPlayerStar", "MenuPlayerRemove"})
        Action(name)->setEnabled(player);
    Action("menuEditReferee")->setEnabled(selectedReferee_ != nullptr);
    Action("menuDeleteReferee")->setEnabled(selectedReferee_ != nullptr);
    Action("menuPlayerStar")->setCheckable(true);
    Action("menuPlayerStar")->setChecked(player && selectedPlayer_->attr.IsStar());
}

void TeditorMain::ApplyTeamPage() {
    updating_ = true;
    TEditorTeam* t = selectedTeam_;
    teamPanel_->setEnabled(t != nullptr);
    const TColor text = t ? t->attr.Color1() : 0x000000;
    const TColor back = t ? t->attr.Color2() : 0xF0F0F0;
    // The page wears the team's colours; the fields being typed in stay plain black on white.
    teamPanel_->setStyleSheet(
        QStringLiteral("#teamPanel{background:%1;border:1px solid #888;border-radius:4px;}"
                       "#teamPanel QLabel{color:%2;background:transparent;}"
                       "#teamPanel QLineEdit{color:%2;background:transparent;border:1px solid transparent;}"
                       "#teamPanel QLineEdit:hover{border:1px dotted %2;}"
                       "#teamPanel QLineEdit:focus{color:black;background:white;border:1px solid #444;}")
            .arg(Hex(back), Hex(text)));
    nameEdit_->setText(t ? ToQString(t->attr.Name()) : QString());
    shortNameEdit_->setText(t ? ToQString(t->attr.ShortName()) : QString());
    coachEdit_->setText(t ? ToQString(t->coach->attr.Name()) : QString());
    fileNameEdit_->setText(t ? ToQString(FileNamePart(t->currentFileName)) : QString());
    levelBar_->setValue(t ? t->attr.Level() : 10);
    levelValue_->setNum(levelBar_->value());
    folderLabel_->setText(t ? ToQString(GetText(t->currentProvisory ? kTxtProvisory : kTxtEffective))
                            : QString());
    const TCountry* country = t ? FindCountry(kFindByCode, t->attr.Country()) : nullptr;
    countryLabel_->setText(country ? ToQString(country->Name())
                           : t     ? ToQString(t->attr.Country())
                                   : QString());
    // The flag is hidden when the country has none.
    const QPixmap flag = t ? LoadFlag(DataDir(), t->attr.Country()) : QPixmap();
    flagBtn_->setIcon(QIcon(flag));
    flagBtn_->setText(flag.isNull() && t ? ToQString(t->attr.Country()) : QString());
    flagBtn_->setToolButtonStyle(flag.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    QStringList reasons;
    if (t && !t->valid) reasons = TCantSaveTeamDlg::ReasonLines(t->checkFlags);
    errorsLabel_->setText(reasons.join(QStringLiteral("  ")));
    errorsBtn_->setEnabled(t && !t->valid);
    updating_ = false;
    RefreshStatus();
    UpdateActions();
}

void TeditorMain::SelectTeam(TEditorTeam* team) {
    selectedTeam_ = team;
    if (selectedPlayer_ && selectedPlayer_->Team() != team) selectedPlayer_ = nullptr;
    RefreshLists();
    ApplyTeamPage();
}

void TeditorMain::SelectPlayer(TEditorPlayer* player) {
    selectedPlayer_ = player;
    if (player && player->Team() != selectedTeam_) {
        selectedTeam_ = player->Team();
        RefreshLists();
        ApplyTeamPage();
        return;
    }
    updating_ = true;
    teamPlayers_->Select(player);
    allPlayers_->Select(player);
    updating_ = false;
    UpdateActions();
}

void TeditorMain::SelectReferee(TEditorReferee* referee) {
    selectedReferee_ = referee;
    updating_ = true;
    referees_->Select(referee);
    updating_ = false;
    UpdateActions();
}

bool TeditorMain::TeamPageTextsStorable() {
    QLineEdit* bad = nullptr;
    for (QLineEdit* field : {nameEdit_, shortNameEdit_, coachEdit_, fileNameEdit_})
        if (!UnstorableCharacterMessage(field->text()).isEmpty()) bad = bad ? bad : field;
    if (bad == nullptr) return true;
    // The message takes the focus from the field, which must not report its edit again meanwhile.
    updating_ = true;
    const QString message = UnstorableCharacterMessage(bad->text());
    QMessageBox::warning(this, windowTitle(), message);
    updating_ = false;
    ApplyTeamPage();
    bad->setFocus();
    return false;
}

void TeditorMain::ShowLoadProblems() {
    QStringList lines;
    if (!model_->LoadProblems().empty() || !model_->TeamFolderProblem().empty()) {
        lines << ToQString(GetText(kTxtDamagedFiles));
        if (!model_->TeamFolderProblem().empty())
            lines << QStringLiteral("  ") + ToQString(model_->TeamFolderProblem());
        for (const TLoadProblem& p : model_->LoadProblems())
            lines << QStringLiteral("  ") + PathToQt(p.path) + QStringLiteral(": ") + ToQString(p.message);
    }
    if (!model_->RefereeProblem().empty())
        lines << ToQString(Format(GetText(kTxtRefereeFileBad), {model_->RefereeProblem()}));
    // The error stream keeps it too, for a start without a screen to read it on.
    std::cerr << lines.join('\n').toStdString() << std::endl;
    QMessageBox::warning(this, windowTitle(), lines.join('\n'));
}

// ---- teams ----

void TeditorMain::menuTeamNewClick() {
    std::unique_ptr<TEditorTeam> team = model_->CreateTeam();
    TteamPropertiesDlg dlg(model_->PropertiesOf(*team), DataDir(), this);
    if (dlg.exec() != QDialog::Accepted) return; // the team is freed
    model_->ApplyTeamProperties(*team, dlg.Properties());
    TEditorTeam* added = model_->AddTeam(std::move(team));
    selectedPlayer_ = nullptr;
    SelectTeam(added);
}

void TeditorMain::menuTeamPropertiesClick() {
    if (!selectedTeam_) return;
    TteamPropertiesDlg dlg(model_->PropertiesOf(*selectedTeam_), DataDir(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    model_->ApplyTeamProperties(*selectedTeam_, dlg.Properties());
    RefreshLists();
    ApplyTeamPage();
}

void TeditorMain::menuTeamProvisoryClick() {
    if (!selectedTeam_) return;
    model_->SetProvisory(*selectedTeam_, true);
    RefreshLists();
    ApplyTeamPage();
}

void TeditorMain::menuTeamEfectiveClick() {
    if (!selectedTeam_) return;
    model_->SetProvisory(*selectedTeam_, false);
    RefreshLists();
    ApplyTeamPage();
}

void TeditorMain::menuTeamRemoveClick() {
    if (!selectedTeam_ || !selectedTeam_->currentProvisory) return;
    if (!Confirm(ToQString(Format(GetText(kTxtConfirmRemoveTeam), {selectedTeam_->attr.ShortName()}))))
        return;
    TEditorTeam* team = selectedTeam_;
    teamRemoved_ = true;
    selectedTeam_ = nullptr;
    selectedPlayer_ = nullptr;
    std::string failed;
    if (!model_->RemoveTeam(team, failed))
        QMessageBox::warning(this, windowTitle(), ToQString(Format(GetText(kTxtCannotDelete), {failed})));
    RefreshLists();
    ApplyTeamPage();
}

void TeditorMain::menuTeamDisplayErrorsClick() {
    if (!selectedTeam_) return;
    model_->RecheckAll();
    if (selectedTeam_->checkFlags != 0)
        ShowCantSaveTeamDlg(selectedTeam_->attr.ShortName(), selectedTeam_->checkFlags, this);
    ApplyTeamPage();
}

void TeditorMain::Reordenar1Click() {
    if (!selectedTeam_) return;
    model_->SortPlayers(*selectedTeam_);
    RefreshLists();
}

// ---- players ----

void TeditorMain::MenuPlayerNewClick() {
    if (!selectedTeam_) return;
    std::unique_ptr<TEditorPlayer> player = model_->CreatePlayer(*selectedTeam_);
    TPlayerPropertiesDlg dlg(player->attr, DataDir(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    player->attr = dlg.Player();
    selectedPlayer_ = model_->AddPlayer(*selectedTeam_, std::move(player));
    RefreshLists();
    ApplyTeamPage();
}

void TeditorMain::menuPlayerEditClick() {
    if (!selectedPlayer_) return;
    TPlayerPropertiesDlg dlg(selectedPlayer_->attr, DataDir(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    model_->ApplyPlayer(*selectedPlayer_, dlg.Player());
    RefreshLists();
    ApplyTeamPage();
}

void TeditorMain::menuPlayerStarClick() {
    if (!selectedPlayer_) return;
    model_->ToggleStar(*selectedPlayer_);
    RefreshLists();
    ApplyTeamPage();
}

void TeditorMain::MenuPlayerRemoveClick() {
    if (!selectedPlayer_) return;
    if (!Confirm(ToQString(Format(GetText(kTxtConfirmRemovePlayer), {selectedPlayer_->attr.Name()})))) return;
    selectedPlayer_ = model_->RemovePlayer(selectedPlayer_);
    RefreshLists();
    ApplyTeamPage();
}

bool TeditorMain::ListBoxOfTeamsDragDrop(TEditorPlayer* player, TEditorTeam* team) {
    // Only a player of a loaded team may arrive here.
    if (!player || !team || !model_->Players().Contains(player)) return false;
    if (!model_->MovePlayer(player, team)) return false;
    // Deferred: the drop is still being delivered by the list that lost the row.
    QTimer::singleShot(0, this, [this] {
        RefreshLists();
        ApplyTeamPage();
    });
    return true;
}

// ---- referees ----

void TeditorMain::menuNewRefereeClick() {
    // New referees are added one after another until a dialog is cancelled; each starts with the country
    // of the one before.
    TEditorReferee* last = nullptr;
    for (;;) {
        TRefereeDlg dlg(std::string(), lastRefereeCountry_, DataDir(), this);
        if (dlg.exec() != QDialog::Accepted) break;
        last = model_->AddReferee(dlg.Name(), dlg.Country());
        lastRefereeCountry_ = dlg.Country();
        selectedReferee_ = last;
        RefreshLists();
    }
    RefreshLists();
}

void TeditorMain::menuEditRefereeClick() {
    if (!selectedReferee_) return;
    TRefereeDlg dlg(selectedReferee_->Name(), selectedReferee_->Country(), DataDir(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    model_->EditReferee(*selectedReferee_, dlg.Name(), dlg.Country());
    RefreshLists();
}

void TeditorMain::menuDeleteRefereeClick() {
    if (!selectedReferee_) return;
    if (!Confirm(ToQString(Format(GetText(kTxtConfirmRemoveReferee), {selectedReferee_->Name()})))) return;
    const int index = model_->Referees().IndexOf(selectedReferee_);
    model_->DeleteReferee(selectedReferee_);
    const int count = model_->Referees().Count();
    selectedReferee_ = count == 0 ? nullptr : model_->Referees()[std::min(index, count - 1)];
    RefreshLists();
}

// ---- sorting ----

template <class T> void TeditorMain::SortByHeader(TObjectListView* list, TKolList<T>& items, int section) {
    static const T prototype;
    items.Pack();
    StableSortList(items, list->NextOrder(section, prototype.SortCompare(list->Caption(section))));
    RefreshLists();
    list->view->scrollToTop();
}

void TeditorMain::hcAllTeamsSectionClick(int section) {
    SortByHeader(teams_, model_->Teams(), section);
}

void TeditorMain::hcTeamPlayersSectionClick(int section) {
    if (!selectedTeam_) return;
    SortByHeader(teamPlayers_, selectedTeam_->players, section);
}

void TeditorMain::hcAllPlayersSectionClick(int section) {
    SortByHeader(allPlayers_, model_->Players(), section);
}

void TeditorMain::hcAllRefereesSectionClick(int section) {
    SortByHeader(referees_, model_->Referees(), section);
}

// ---- tools ----

void TeditorMain::analyseBtnClick() {
    TAnalysisDlg dlg(*model_, this);
    dlg.exec();
    RefreshLists();
}

void TeditorMain::webSiteBuildBtnClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString message;
    bool ok = true;
    try {
        const TWebExportResult r = ExportWebSite(
            model_->Teams(), model_->Options().webDirectory, DataDir(), model_->Options().saveVersion,
            [](std::filesystem::file_time_type date) {
                const auto sys = std::chrono::file_clock::to_sys(date);
                const auto secs =
                    std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
                return FromQString(
                    QLocale().toString(QDateTime::fromSecsSinceEpoch(secs), QLocale::ShortFormat));
            });
        message = ToQString(Format(GetText(kTxtWebWritten), {r.folder}));
    } catch (const std::exception& e) {
        ok = false;
        message = ToQString(Format(GetText(kTxtWebFailed), {e.what()}));
    }
    QApplication::restoreOverrideCursor();
    if (ok)
        QMessageBox::information(this, windowTitle(), message);
    else
        QMessageBox::warning(this, windowTitle(), message);
}

// ---- exit ----

bool TeditorMain::exitBtnMouseDown() {
    if (TEditorTeam* invalid = model_->FirstInvalidTeam()) {
        selectedPlayer_ = nullptr;
        SelectTeam(invalid);
        ShowCantSaveTeamDlg(invalid->attr.ShortName(), invalid->checkFlags, this);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string message;
    const bool ok = model_->SaveAll(message);
    QApplication::restoreOverrideCursor();
    if (!ok) {
        RefreshLists();
        QMessageBox::critical(this, windowTitle(), ToQString(Format(GetText(kTxtSaveFailed), {message})));
        return false;
    }
    saved_ = true;
    close();
    return true;
}

bool TeditorMain::HasUnsavedChanges() const {
    if (teamRemoved_ || model_->RefereesModified()) return true;
    for (const TEditorTeam* t : model_->Teams())
        if (t && t->NeedsWriting()) return true;
    return false;
}

bool TeditorMain::exitWithoutSavingClick() {
    if (HasUnsavedChanges() && !Confirm(ToQString(GetText(kTxtConfirmDiscard)))) return false;
    discard_ = true;
    close();
    return true;
}

bool TeditorMain::Confirm(const QString& question) {
    return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool TeditorMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // The list keeps Delete and F2 for itself, so that no window-wide shortcut takes them first.
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_F2) &&
            key->modifiers() == Qt::NoModifier) {
            key->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool del = key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier;
        const bool edit = key->key() == Qt::Key_F2 && key->modifiers() == Qt::NoModifier;
        if (del || edit) {
            // Each list acts on its own kind: teams, referees or players.
            if (watched == teams_->view)
                del ? menuTeamRemoveClick() : menuTeamPropertiesClick();
            else if (watched == referees_->view)
                del ? menuDeleteRefereeClick() : menuEditRefereeClick();
            else
                del ? MenuPlayerRemoveClick() : menuPlayerEditClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TeditorMain::closeEvent(QCloseEvent* event) {
    // Closing the window is the same exit: nothing is lost by a click on the window's close box.
    if (discard_ || saved_ || exitBtnMouseDown()) {
        SaveGeometry();
        event->accept();
        return;
    }
    event->ignore();
}
