#pragma once
// The controls gallery shows one page per kind of control; each page registers itself.

#include <QString>

#include <functional>
#include <vector>

class QWidget;

struct TGalleryPage {
    QString name; // also the screenshot's file name
    std::function<QWidget*()> make;
};

std::vector<TGalleryPage>& GalleryPages();

// Place one of these at namespace scope in a page's source file.
struct TGalleryPageRegistrar {
    TGalleryPageRegistrar(QString name, std::function<QWidget*()> make) {
        GalleryPages().push_back({std::move(name), std::move(make)});
    }
};
