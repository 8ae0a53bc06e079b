# An FTP server on 127.0.0.1 serving one folder to one account; prints its port and pid.
# --tls CERT KEY: FTPS, TLS required on both channels.
import logging, os, sys
logging.basicConfig(level=logging.ERROR)
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer

cartella, utente, parola = sys.argv[1:4]
tls = sys.argv[5:7] if sys.argv[4:5] == ['--tls'] else None
base_dtp = TLS_DTPHandler if tls else DTPHandler

class Dtp(base_dtp):
    def readable(self):
        # libcurl opens the data connection before asking for the file and starts TLS on it only
        # then: an idle connection waiting for its command is not a closed one.
        if not self._initialized and not self.receive:
            return getattr(self, '_ssl_want_read', False)
        return base_dtp.readable(self)

class Gestore(TLS_FTPHandler if tls else FTPHandler):
    dtp_handler = Dtp
    use_sendfile = False

if tls:
    Gestore.certfile, Gestore.keyfile = tls
    Gestore.tls_control_required = Gestore.tls_data_required = True
autorizzazioni = DummyAuthorizer()
autorizzazioni.add_user(utente, parola, cartella, perm='elr')
Gestore.authorizer = autorizzazioni
Gestore.banner = 'pronto'
Gestore.auth_failed_timeout = 0.1
server = FTPServer(('127.0.0.1', 0), Gestore)
print(server.socket.getsockname()[1], os.getpid(), flush=True)
server.serve_forever()
