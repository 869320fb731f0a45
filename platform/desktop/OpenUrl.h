#pragma once

#include <QString>

// Hands an address to the desktop's default handler, fire and forget: a failure is silent.
void OpenUrl(const QString& url);

// What tests stand in for the desktop's handler with (through Seam).
class UrlOpenerService
{
public:
    virtual ~UrlOpenerService() = default;
    virtual void open(const QString& url) = 0;
};
