#include "app/main_window.h"
#include "document/settings_file.h"
#include "generation/template_source.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(u"Vitrine"_s);
    app.setStyle(QStyleFactory::create(u"Fusion"_s));
    QFont font = app.font();
    font.setPixelSize(12);
    app.setFont(font);

    auto folder = std::make_unique<vitrine::SettingsFolder>(
        vitrine::SettingsFolder::locateBase(QCoreApplication::applicationDirPath()));
    const auto opened = folder->open();
    if (opened == vitrine::SettingsFolder::OpenResult::InUse) {
        QMessageBox::critical(nullptr, u"Vitrine"_s,
                              u"另一个编辑器正在使用设置文件夹\n%1\n请先关闭那个编辑器，再启动本程序。"_s.arg(
                                  QDir::toNativeSeparators(folder->path())));
        return 1;
    }

    vitrine::EditorOptions options;
    options.templateServer = vitrine::TemplateSource::configuredServer();
    vitrine::MainWindow window(std::move(folder), opened == vitrine::SettingsFolder::OpenResult::Ok, options);
    // The program's life is the main window's: "背景设置" and the property
    // windows go with it.
    QObject::connect(&window, &vitrine::MainWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    window.start();
    return app.exec();
}
