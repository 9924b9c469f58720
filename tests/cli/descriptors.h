#pragma once

#include <string>

// Closes `fd` unless it is closed already (-1), and marks it closed.
void CloseIfOpen(int& fd);

// Appends what a readable `fd` holds to `text`. At its end, or on a failure
// other than an interruption (a terminal whose program has gone reads as
// EIO), closes it.
void ReadAvailable(int& fd, std::string& text);
