# An FTP server on 127.0.0.1 serving one folder to one account. When a cut is asked for, the data
# connection of the rate data file is closed after that many bytes.
import logging, os, sys
logging.basicConfig(level=logging.ERROR)
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, DTPHandler
from pyftpdlib.servers import FTPServer

cartella, utente, parola, taglio = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])

class DtpTagliato(DTPHandler):
    def send(self, data):
        if taglio >= 0 and getattr(self.cmd_channel, 'tagliare', False):
            inviati = self.tot_bytes_sent
            if inviati >= taglio:
                self.handle_close()
                return 0
            data = data[:taglio - inviati]
        return DTPHandler.send(self, data)

class Gestore(FTPHandler):
    dtp_handler = DtpTagliato
    use_sendfile = False
    def ftp_RETR(self, file):
        self.tagliare = os.path.basename(file) == 'NtassiU.dat'
        return FTPHandler.ftp_RETR(self, file)

autorizzazioni = DummyAuthorizer()
autorizzazioni.add_user(utente, parola, cartella, perm='elr')
Gestore.authorizer = autorizzazioni
Gestore.banner = 'pronto'
server = FTPServer(('127.0.0.1', 0), Gestore)
print(server.socket.getsockname()[1], os.getpid(), flush=True)
server.serve_forever()
