"""A speech server for Orca that says nothing and writes down what it is
asked to say, one JSON line per utterance: when, what, and whether it cuts
short what was said before. The file is the one SPEECH_LOG names.

Orca finds it on PYTHONPATH when its settings name "speech_log" as the
speech server factory; nothing needs a sound device then.
"""
import json
import os
import time

from orca import speechserver


def _write(kind, text, interrupt=False):
    path = os.environ.get("SPEECH_LOG")
    if not path or not text:
        return
    with open(path, "a", encoding="utf-8") as log:
        log.write(json.dumps({"t": time.time(), "kind": kind, "text": text,
                              "interrupt": bool(interrupt)}, ensure_ascii=False) + "\n")


class SpeechServer(speechserver.SpeechServer):
    _active = None

    @staticmethod
    def getFactoryName():
        return "speech log"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @classmethod
    def getSpeechServer(cls, info=None):
        if cls._active is None:
            cls._active = SpeechServer()
        return cls._active

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._active = None

    def getInfo(self):
        return ["speech log", "speech log"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _write("speech", text, interrupt)

    def speakCharacter(self, character, acss=None):
        _write("character", character)

    def speakKeyEvent(self, event, acss=None):
        pass  # the keys pressed are the test's own

    def sayAll(self, utteranceIterator, progressCallback):
        for context, acss in utteranceIterator:
            _write("say-all", getattr(context, "utterance", str(context)))

    def stop(self):
        pass

    def shutdown(self):
        pass

    def reset(self, text=None, acss=None):
        pass

    def increaseSpeechRate(self, step=5):
        pass

    def decreaseSpeechRate(self, step=5):
        pass

    def increaseSpeechPitch(self, step=0.5):
        pass

    def decreaseSpeechPitch(self, step=0.5):
        pass

    def increaseSpeechVolume(self, step=0.5):
        pass

    def decreaseSpeechVolume(self, step=0.5):
        pass

    def updateCapitalizationStyle(self):
        pass

    def updatePunctuationLevel(self):
        pass
