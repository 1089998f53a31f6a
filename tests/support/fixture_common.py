"""What the test servers share: announcing the port, ending with the test,
and relaying a connection both ways."""
import os
import socket
import sys
import threading


def announce_and_bound(port, lifetime):
    """Prints "PORT <n>" for the test; ends the process when the test closes
    our standard input or after lifetime seconds."""
    print("PORT %d" % port, flush=True)

    def stop_when_stdin_closes():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=stop_when_stdin_closes, daemon=True).start()
    threading.Timer(lifetime, lambda: os._exit(0)).start()


def pump(source, dest):
    """Copies source to dest until either side closes, then closes both."""
    try:
        while True:
            data = source.recv(65536)
            if not data:
                break
            dest.sendall(data)
    except OSError:
        pass
    for sock in (source, dest):
        try:
            sock.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


def relay(client, server):
    """Relays client and server both ways; returns when they are done."""
    threading.Thread(target=pump, args=(server, client), daemon=True).start()
    pump(client, server)


def listen_on_loopback(lifetime):
    """A listening socket on 127.0.0.1 with a port of the system's choosing, announced."""
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    announce_and_bound(listener.getsockname()[1], lifetime)
    return listener


def accept_forever(listener, serve):
    """Calls serve(connection) on a thread of its own for every connection."""
    while True:
        conn, _ = listener.accept()
        threading.Thread(target=serve, args=(conn,), daemon=True).start()
