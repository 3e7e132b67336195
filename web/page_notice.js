// Short messages about the page itself (its core, its offline copy) in a bar
// at the foot of the screen, each with a button that acts on it. The bar is
// a polite live region; an urgent notice is an alert.

const area = document.getElementById('pageNotices');

// onClick(close) acts and may close the notice; returns close.
export function showNotice({ text, button, onClick, urgent = false }) {
  const notice = document.createElement('p');
  notice.className = 'notice';
  if (urgent) notice.setAttribute('role', 'alert');
  const words = document.createElement('span');
  words.textContent = text;
  const action = document.createElement('button');
  action.type = 'button';
  action.textContent = button;
  const close = () => notice.remove();
  action.addEventListener('click', () => onClick(close));
  notice.append(words, action);
  area.append(notice);
  return close;
}
