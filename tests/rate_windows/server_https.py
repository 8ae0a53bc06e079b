# An HTTPS server on 127.0.0.1 serving the files of one folder; prints its port and pid.
# The certificate and key are given; "lento" sends one byte every 0.2 s.
import http.server, os, ssl, sys, time

cartella, cert, chiave, guasto = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]

class Gestore(http.server.BaseHTTPRequestHandler):
    def log_message(self, *a):
        pass

    def do_GET(self):
        percorso = os.path.join(cartella, os.path.basename(self.path))
        if not os.path.isfile(percorso):
            self.send_error(404)
            return
        dati = open(percorso, 'rb').read()
        self.send_response(200)
        self.send_header('Content-Length', str(len(dati)))
        self.end_headers()
        try:
            if guasto == 'lento':
                for b in dati:
                    self.wfile.write(bytes([b]))
                    self.wfile.flush()
                    time.sleep(0.2)
            else:
                self.wfile.write(dati)
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            pass

server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Gestore)
contesto = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
contesto.load_cert_chain(cert, chiave)
server.socket = contesto.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], os.getpid(), flush=True)
server.serve_forever()
