#pragma once

class DatePrompt;
class FilePrompt;
class Messenger;
class Settings;

// The objects every screen works with, handed to a screen's constructor as one: the settings
// object, the message dialog and the file and date prompts. They live for the whole run.
struct Services
{
    Settings &settings;
    Messenger &messenger;
    FilePrompt &files;
    DatePrompt &dates;
};
