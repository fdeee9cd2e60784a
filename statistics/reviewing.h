#pragma once
#include "review/store.h"
#include "statistics/userfile.h"

#include <QImage>
#include <QList>
#include <memory>

// What the windows do with the spaced review store: open it, tell the user
// once about a damaged file set aside, and say any failure in French.
namespace reviewing {

// Opens the store; nothing, once the user has been told why, when it cannot
// be opened.
std::unique_ptr<review::Store> openStore();
// Whether any answer was ever kept: looking at the review makes no file.
bool storeExists();

// Keeps the answers of a test recorded in the user's file. A failure of the
// store is told and costs nothing else. True when they are kept.
bool recordAnswers(const QString &user, const QList<statistics::JudgedQuestion> &questions);

// The due pairs of each of the next days, drawn as the success graph is: on
// black, one column per day, left to right, as high as its share of the
// busiest day, over a grey base line.
constexpr int kForecastWidth = 240;
constexpr int kForecastHeight = 48;
QImage drawForecast(const QList<int> &perDay);

} // namespace reviewing
