#pragma once

#include <QString>

#include <functional>

// Hands an address to the desktop's default handler, fire and forget: a failure is silent.
void OpenUrl(const QString& url);

// The seam tests replace. Returns the opener it replaces; an empty opener restores the desktop's.
using UrlOpener = std::function<void(const QString& url)>;
UrlOpener SetUrlOpener(UrlOpener opener);
