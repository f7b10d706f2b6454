# A speech server for Orca that makes no sound. Orca writes every utterance to its debug log
# before it hands it to a server, so the screen-reader test reads what would have been spoken
# without an audio device or a speech synthesiser. The log is buffered: each utterance flushes
# it, so that the test can read it while Orca runs.

from orca import debug, speechserver


def _flush():
    if debug.debugFile:
        debug.debugFile.flush()


class SpeechServer(speechserver.SpeechServer):
    _server = None

    @staticmethod
    def getFactoryName():
        return "Silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._server is None:
            SpeechServer._server = SpeechServer()
        return SpeechServer._server

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._server = None

    def getInfo(self):
        return ["Silent", "silent"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        _flush()

    def speakCharacter(self, character, acss=None):
        _flush()

    def speakKeyEvent(self, event, acss=None):
        _flush()
