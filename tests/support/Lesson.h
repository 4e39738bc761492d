#pragma once

#include "support/CourseDriver.h"

#include "app/Classroom.h"
#include "app/CommandLine.h"

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

/// \brief A classroom over a driver's course, with settings of its own (in
/// a folder that goes with it): what a teacher's keys and options act on.
struct Lesson {
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("reglages.ini")), QSettings::IniFormat};
    CourseDriver driver;
    std::unique_ptr<app::Classroom> classroom;

    explicit Lesson(const app::CommandLine &options = {}) {
        classroom = std::make_unique<app::Classroom>(driver.course(), settings, options);
    }
};
