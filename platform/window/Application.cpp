#include "platform/window/Application.h"

#include "platform/desktop/NumberSettings.h"
#include "platform/window/ErrorReport.h"

#include <QStyleFactory>
#include <QWidget>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // The main window alone decides when the program ends.
    setQuitOnLastWindowClosed(false);
    // One look on every desktop, so the program's own colours sit on the controls they were chosen for.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        setStyle(fusion);
}

Application::~Application()
{
    destroyForms();
}

QWidget* Application::mainForm() const
{
    return m_forms.empty() ? nullptr : m_forms.front().get();
}

void Application::adopt(std::unique_ptr<QWidget> form)
{
    m_forms.push_back(std::move(form));
}

int Application::run()
{
    QWidget* main = mainForm();
    if (!main)
        return 0;
    main->show();
    exec();
    destroyForms();
    return 0;
}

void Application::destroyForms()
{
    for (const auto& form : m_forms)
        form->hide();
    while (!m_forms.empty())
        m_forms.pop_back();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::Close && receiver == mainForm()) {
        // Let the window close first, then end the loop: closing asks no question.
        const bool handled = QApplication::notify(receiver, event);
        if (event->isAccepted())
            QMetaObject::invokeMethod(this, &QCoreApplication::quit, Qt::QueuedConnection);
        return handled;
    }
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorReport(error);
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unknown error"));
    }
    return false;
}

bool Application::event(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        RunGuarded([] { LoadNumberSettings(); });
    return QApplication::event(event);
}
