"""A UDP relay for online tests on one machine: it stands between a joiner
and a host and delays, jitters, loses, duplicates and reorders datagrams,
all from one seed, so a bad network is the same from run to run."""
import heapq
import random
import select
import socket
import threading
import time


class Relay:
    def __init__(self, listen_port, host_port, round_trip_ms=0, jitter_ms=0, loss=0.0,
                 duplicate=0.0, reorder=0.0, seed=1):
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.sock.bind(("127.0.0.1", listen_port))
        self.host = ("127.0.0.1", host_port)
        self.client = None
        self.one_way = round_trip_ms / 2000.0
        self.jitter = jitter_ms / 1000.0
        self.loss, self.duplicate, self.reorder = loss, duplicate, reorder
        self.random = random.Random(seed)
        self.queue = []
        self.count = 0
        self.stopped = False
        self.thread = threading.Thread(target=self._run, daemon=True)

    def start(self):
        self.thread.start()
        return self

    def stop(self):
        self.stopped = True
        self.thread.join(2)
        self.sock.close()

    def _schedule(self, data, dest):
        if self.random.random() < self.loss:
            return
        copies = 2 if self.random.random() < self.duplicate else 1
        for _ in range(copies):
            delay = self.one_way + self.random.uniform(-self.jitter, self.jitter)
            if self.random.random() < self.reorder:
                delay += self.random.uniform(0.0, 0.03)  # overtaken by later ones
            self.count += 1
            heapq.heappush(self.queue, (time.monotonic() + max(0.0, delay), self.count, data, dest))

    def _run(self):
        while not self.stopped:
            timeout = 0.005
            if self.queue:
                timeout = max(0.0, min(timeout, self.queue[0][0] - time.monotonic()))
            ready, _, _ = select.select([self.sock], [], [], timeout)
            if ready:
                try:
                    data, source = self.sock.recvfrom(65536)
                except OSError:
                    continue
                if source == self.host:
                    if self.client:
                        self._schedule(data, self.client)
                else:
                    self.client = self.client or source
                    if source == self.client:
                        self._schedule(data, self.host)
            now = time.monotonic()
            while self.queue and self.queue[0][0] <= now:
                _, _, data, dest = heapq.heappop(self.queue)
                try:
                    self.sock.sendto(data, dest)
                except OSError:
                    pass
