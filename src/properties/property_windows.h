#pragma once
// The open property windows of the editor, one per kind at most.

#include "properties/property_host.h"

#include <QObject>
#include <QString>

class QWidget;

namespace vitrine {

class PropertyWindowManager : public QObject {
    Q_OBJECT
public:
    explicit PropertyWindowManager(PropertyHost& host, QObject* parent = nullptr);
    ~PropertyWindowManager() override;

    // Opens the window of `kind` (the kind text, or "文字" for a text),
    // creating it when it is not open, and loads the selected item into it.
    // Does nothing for a kind whose window is not built.
    void open(const QString& kind);
    // Destroys every open property window.
    void closeAll();
    // Destroys the window of `kind` when it is open.
    void close(const QString& kind);
    // The open window of `kind`, or null.
    QWidget* window(const QString& kind) const;

private:
    struct Impl;
    Impl* d;
};

}  // namespace vitrine
