// Fills longitude and latitude of the "here" form from the device's position
// when the visitor allows it. The form works without this script.
(function () {
  var button = document.getElementById('locate');
  if (!button || !navigator.geolocation) return;
  button.hidden = false;
  button.addEventListener('click', function () {
    navigator.geolocation.getCurrentPosition(function (position) {
      document.getElementById('lon').value = position.coords.longitude.toFixed(4);
      document.getElementById('lat').value = position.coords.latitude.toFixed(4);
      document.getElementById('place').value = '';
      document.getElementById('here').submit();
    }, function () {
      // Refused, or not offered over a plain http address: type the place.
      button.hidden = true;
      document.getElementById('place').focus();
    });
  });
})();
